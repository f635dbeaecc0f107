// Draws the program's pictures, at their size and twice it, and the icon in
// the icon theme's sizes and as SVG. Run it when a picture has to change and
// commit the files it writes:
//   cmake --build build --target make_assets && build/assets/source/make_assets assets
#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

// Ruled paper: a white first row, then bands two rows high, light grey first.
QImage background(int height)
{
    QImage image(556, height, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xFF, 0xFF));
    for (int y = 1; y < height; ++y) {
        const bool grey = ((y - 1) / 2) % 2 == 0;
        const QRgb colour = grey ? qRgb(0xEA, 0xEA, 0xEA) : qRgb(0xF7, 0xF7, 0xF0);
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colour);
    }
    return image;
}

// A stack of ruled pages with the top page's corner folded over. Drawn without
// antialiasing so the picture keeps to a handful of colours.
QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const qreal u = size / 32.0;
    const QColor outline(0x40, 0x40, 0x40);
    const QColor page(0xFF, 0xFF, 0xFF);
    const QColor shade(0xC0, 0xC0, 0xC0);
    const QColor rule(0x00, 0x80, 0xFF);
    const QColor margin(0xFF, 0x00, 0x00);

    p.setPen(outline);
    for (int i = 2; i >= 1; --i) { // the pages underneath, offset down and right
        p.setBrush(i == 2 ? shade : page);
        p.drawRect(QRectF((4 + 3 * i) * u, (2 + 3 * i) * u, 19 * u, 24 * u).toRect());
    }
    const QRectF top(4 * u, 2 * u, 19 * u, 24 * u);
    const qreal fold = 6 * u;
    QPainterPath sheet;
    sheet.moveTo(top.topLeft());
    sheet.lineTo(top.right() - fold, top.top());
    sheet.lineTo(top.right(), top.top() + fold);
    sheet.lineTo(top.bottomRight());
    sheet.lineTo(top.bottomLeft());
    sheet.closeSubpath();
    p.setBrush(page);
    p.drawPath(sheet);

    p.setPen(rule);
    for (qreal y = top.top() + 8 * u; y < top.bottom() - 1 * u; y += 3 * u)
        p.drawLine(QPointF(top.left() + 2 * u, y), QPointF(top.right() - 2 * u, y));
    p.setPen(margin);
    p.drawLine(QPointF(top.left() + 5 * u, top.top() + 2 * u), QPointF(top.left() + 5 * u, top.bottom() - 2 * u));

    QPainterPath corner;
    corner.moveTo(top.right() - fold, top.top());
    corner.lineTo(top.right() - fold, top.top() + fold);
    corner.lineTo(top.right(), top.top() + fold);
    corner.closeSubpath();
    p.setPen(outline);
    p.setBrush(shade);
    p.drawPath(corner);
    return image;
}

// The same icon as scalable SVG, on the 32-unit grid icon() draws on.
QByteArray iconSvg()
{
    const int left = 4, top = 2, width = 19, height = 24, fold = 6;
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n"
                     "  <g stroke=\"#404040\" shape-rendering=\"crispEdges\">\n";
    for (int i = 2; i >= 1; --i) // the pages underneath, offset down and right
        svg += QStringLiteral("    <rect x=\"%1.5\" y=\"%2.5\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                   .arg(left + 3 * i).arg(top + 3 * i).arg(width).arg(height)
                   .arg(i == 2 ? QStringLiteral("#c0c0c0") : QStringLiteral("#ffffff")).toUtf8();
    svg += QStringLiteral("    <path d=\"M%1.5 %2.5 H%3.5 L%4.5 %5.5 V%6.5 H%1.5 Z\" fill=\"#ffffff\"/>\n")
               .arg(left).arg(top).arg(left + width - fold).arg(left + width).arg(top + fold).arg(top + height)
               .toUtf8();
    svg += "  </g>\n  <g stroke=\"#0080ff\" shape-rendering=\"crispEdges\">\n";
    for (int y = top + 8; y < top + height - 1; y += 3)
        svg += QStringLiteral("    <line x1=\"%1\" y1=\"%2.5\" x2=\"%3\" y2=\"%2.5\"/>\n")
                   .arg(left + 2).arg(y).arg(left + width - 2).toUtf8();
    svg += QStringLiteral("  </g>\n  <line x1=\"%1.5\" y1=\"%2\" x2=\"%1.5\" y2=\"%3\" stroke=\"#ff0000\"/>\n")
               .arg(left + 5).arg(top + 2).arg(top + height - 2).toUtf8();
    svg += QStringLiteral("  <path d=\"M%1.5 %2.5 V%3.5 H%4.5 Z\" fill=\"#c0c0c0\" stroke=\"#404040\"/>\n</svg>\n")
               .arg(left + width - fold).arg(top).arg(top + fold).arg(left + width).toUtf8();
    return svg;
}

// The product name on the main window, 164 x 55 (times scale).
QImage banner(int scale = 1)
{
    QImage image(164 * scale, 55 * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    font.setPixelSize(34);
    font.setBold(true);
    font.setItalic(true);
    p.setFont(font);
    const QRect area(0, 0, 164, 48);
    p.setPen(QColor(0xB0, 0xB0, 0xB0));
    p.drawText(area.translated(2, 2), Qt::AlignCenter, QStringLiteral("Tarnbook"));
    p.setPen(QColor(0x10, 0x30, 0x80));
    p.drawText(area, Qt::AlignCenter, QStringLiteral("Tarnbook"));
    p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
    p.drawLine(14, 50, 150, 50);
    return image;
}

// The About box's advertisement for the maker's other program, 164 x 55.
QImage advert()
{
    QImage image(164, 55, QImage::Format_ARGB32);
    image.fill(QColor(0xFF, 0xF8, 0xE0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x80, 0x60, 0x20), 2));
    p.drawRoundedRect(QRectF(1, 1, 162, 53), 6, 6);
    // A quill across the left end.
    QPainterPath quill;
    quill.moveTo(12, 46);
    quill.cubicTo(18, 28, 30, 14, 40, 8);
    quill.cubicTo(36, 22, 26, 36, 12, 46);
    p.setBrush(QColor(0x30, 0x50, 0x90));
    p.setPen(Qt::NoPen);
    p.drawPath(quill);
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    font.setPixelSize(24);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.drawText(QRect(44, 4, 116, 34), Qt::AlignCenter, QStringLiteral("Quillmark"));
    QFont small = font;
    small.setPixelSize(10);
    small.setItalic(false);
    p.setFont(small);
    p.drawText(QRect(44, 34, 116, 16), Qt::AlignCenter, QStringLiteral("your pocket notebook"));
    return image;
}

// Twice the size for a 200 % desktop: the ruled bands are pixel patterns,
// so they are doubled exactly.
QImage doubled(const QImage &image)
{
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool saveText(const QByteArray &text, const QDir &dir, const char *name)
{
    QFile file(dir.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(file.fileName()));
    return true;
}

bool save(const QImage &image, const QDir &dir, const char *name)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

// A Windows icon file holding the icon at every size as PNG (which Windows
// reads in .ico files since Vista): what the program's file and its
// Start-menu entry show.
QByteArray windowsIcon(const QList<int> &sizes)
{
    QList<QByteArray> pngs;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        icon(size).save(&buffer, "PNG");
        pngs << png;
    }
    const auto le16 = [](QByteArray &out, int value) { out += char(value & 0xFF), out += char((value >> 8) & 0xFF); };
    const auto le32 = [&](QByteArray &out, qint64 value) { le16(out, int(value & 0xFFFF)), le16(out, int(value >> 16)); };
    QByteArray ico;
    le16(ico, 0), le16(ico, 1), le16(ico, int(sizes.size())); // reserved, type icon, count
    qint64 offset = 6 + 16 * sizes.size();
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        ico += char(sizes[i] >= 256 ? 0 : sizes[i]); // width, 0 meaning 256
        ico += char(sizes[i] >= 256 ? 0 : sizes[i]); // height
        ico += char(0), ico += char(0);              // no palette, reserved
        le16(ico, 1), le16(ico, 32);                 // planes, bits a pixel
        le32(ico, pngs[i].size()), le32(ico, offset);
        offset += pngs[i].size();
    }
    for (const QByteArray &png : pngs)
        ico += png;
    return ico;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    bool ok = save(background(408), dir, "background-408.png");
    ok = save(background(450), dir, "background-450.png") && ok;
    ok = save(icon(32), dir, "icon-32.png") && ok;
    ok = save(icon(16), dir, "icon-16.png") && ok;
    ok = save(banner(), dir, "banner.png") && ok;
    ok = save(advert(), dir, "quillmark.png") && ok;
    // For a 200 % desktop.
    ok = save(doubled(background(408)), dir, "background-408@2x.png") && ok;
    ok = save(doubled(background(450)), dir, "background-450@2x.png") && ok;
    ok = save(icon(64), dir, "icon-32@2x.png") && ok;
    ok = save(icon(32), dir, "icon-16@2x.png") && ok;
    ok = save(banner(2), dir, "banner@2x.png") && ok;
    // The icon theme's sizes, and the scalable one, for the menu entry.
    QDir().mkpath(dir.filePath(QStringLiteral("icons")));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QByteArray name = "icons/velmorwick-" + QByteArray::number(size) + ".png";
        ok = save(icon(size), dir, name.constData()) && ok;
    }
    ok = saveText(iconSvg(), dir, "icons/velmorwick.svg") && ok;
    ok = saveText(windowsIcon({16, 24, 32, 48, 64, 256}), dir, "icons/velmorwick.ico") && ok;
    return ok ? 0 : 1;
}
