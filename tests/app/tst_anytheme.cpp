// Every window looks the same on any desktop theme and in every language:
// under a dark palette and a large desktop font, set late as a platform
// theme sets them, each text is still in the window's own font, fits its
// control whole in every translation, and stands out from what is behind
// it by at least 4.5:1; a button's label, icon and all, is drawn in its
// middle, a message box's too.
#include "app/appearance.h"
#include "app/language.h"
#include "dialogs/addtaskwindow.h"
#include "dialogs/donewindow.h"
#include "forms/messageboxes.h"
#include "support/programfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QScopeGuard>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <cmath>

namespace {

double luminance(QColor c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text's contrast as drawn: the commonest colour in the control's
// rectangle is what is behind the text; the colour that stands out most from
// it is the text's own.
double drawnContrast(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb behind = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            behind = it.key();
        }
    }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(QColor(behind), QColor(it.key())));
    return best;
}

QString shownText(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->pixmap().isNull() ? (label->buddy() ? label->text().remove(u'&') : label->text()) : QString();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->isEnabled() ? button->text().remove(u'&') : QString(); // greyed on purpose when off
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    return {};
}

// How far a button's label is drawn from its left and its right edge: where
// it differs from the button drawn without one.
std::pair<int, int> labelMargins(QPushButton *button)
{
    const QImage drawn = button->grab().toImage();
    const QString text = button->text();
    const QIcon icon = button->icon();
    button->setText({});
    button->setIcon({});
    const QImage blank = button->grab().toImage();
    button->setText(text);
    button->setIcon(icon);
    int first = drawn.width(), last = -1;
    for (int x = 0; x < drawn.width(); ++x) {
        for (int y = 0; y < drawn.height(); ++y) {
            if (drawn.pixel(x, y) != blank.pixel(x, y))
                first = std::min(first, x), last = x;
        }
    }
    return {first, drawn.width() - 1 - last};
}

// Where each control stands in a window shown in English, the window's
// inner width under the name "".
QHash<QString, QRect> placesInEnglish(const QString &form)
{
    ProgramFixture fx;
    fx.program().forms().show(form);
    QWidget *client = fx.window(form)->client();
    QHash<QString, QRect> places{{QString(), client->rect()}};
    for (QWidget *control : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        places.insert(control->objectName(), control->geometry());
    return places;
}

const QString boxText = QStringLiteral("Kept as /home/me/.config/Velmorwick.conf (or C:\\Velmorwick.conf).");

// The window under test, shown: a form, a box as the windows ask for one,
// or one of the windows laid out by Qt.
QWidget *shown(ProgramFixture &fx, const QString &form, std::unique_ptr<QWidget> &owned)
{
    if (form == QLatin1String("box")) { // Qt's own buttons, in its own translation
        fx.program().forms().show(QStringLiteral("frmMain"));
        auto box = QtMessageBoxes::made(fx.window(QStringLiteral("frmMain")), boxText, QStringLiteral("Velmorwick"),
                                        QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No);
        for (QAbstractButton *button : box->buttons()) // as a desktop that gives them icons draws them
            button->setIcon(box->style()->standardIcon(QStyle::SP_DialogOkButton));
        owned = std::move(box);
    } else if (form == QLatin1String("frmDone")) {
        owned = std::make_unique<DoneWindow>([](int) { return QStringLiteral("2026-12-10\n  Call Ann (5pm).\n"); });
    } else if (form == QLatin1String("frmAddTask")) {
        owned = std::make_unique<AddTaskWindow>([](const QString &, int) { return QString(); }, 5);
    } else {
        fx.program().forms().show(form);
        return fx.window(form);
    }
    owned->show();
    return owned.get();
}

} // namespace

class AnyThemeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextIsReadableAndFits_data();
    void everyTextIsReadableAndFits();
};

void AnyThemeTest::initTestCase()
{
    applyAppearance();
    // What a dark desktop theme does once the program has started.
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2A, 0x2A, 0x2A));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    QApplication::setPalette(dark);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 15));
}

void AnyThemeTest::everyTextIsReadableAndFits_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("language");
    QStringList languages{QStringLiteral("en")};
    for (const QString &qm : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("velmorwick_*.qm")}))
        languages << qm.mid(11).chopped(3);
    for (const QString &language : std::as_const(languages)) {
        for (const char *name : {"frmMain", "frmNotify", "frmAbout", "frmpriv", "frmpassass", "frmpriva2", "frm3",
                                 "frm10", "frm15", "frmnote", "frmnote5", "box", "frmDone", "frmAddTask"})
            QTest::addRow("%s %s", name, qPrintable(language)) << QString::fromLatin1(name) << language;
    }
}

void AnyThemeTest::everyTextIsReadableAndFits()
{
    QFETCH(QString, form);
    QFETCH(QString, language);
    const bool placedByHand = form != QLatin1String("box") && !QStringList{"frmDone", "frmAddTask"}.contains(form);
    const QHash<QString, QRect> english = QLocale(language).textDirection() == Qt::RightToLeft && placedByHand
                                              ? placesInEnglish(form)
                                              : QHash<QString, QRect>();
    QCOMPARE(useLanguage(QLocale(language)), language != QLatin1String("en"));
    const auto backToEnglish = qScopeGuard([] { useLanguage(QLocale(QLocale::English)); });
    ProgramFixture fx;
    std::unique_ptr<QWidget> owned;
    QWidget *window = shown(fx, form, owned);
    QVERIFY(window);
    // A path reads left to right in a right-to-left sentence too; English is left as it is.
    if (auto *box = qobject_cast<QMessageBox *>(window))
        QCOMPARE(box->text(), window->isLeftToRight() ? boxText
                                                      : QStringLiteral("Kept as \u2066/home/me/.config/Velmorwick.conf"
                                                                       "\u2069 (or \u2066C:\\Velmorwick.conf\u2069)."));
    // Right to left, each control placed by hand stands at its English
    // place's mirror image (one grown to fit its text, by as much), and a
    // text box holds its text to the right.
    const int width = english.value(QString()).width();
    for (QWidget *control : english.isEmpty() ? QList<QWidget *>()
                                              : fx.window(form)->client()->findChildren<QWidget *>(
                                                    Qt::FindDirectChildrenOnly)) {
        const QRect there = english.value(control->objectName());
        QVERIFY2(control->objectName().isEmpty()
                     || std::abs(2 * (width - there.x()) - there.width() - 2 * control->x() - control->width())
                            <= std::abs(control->width() - there.width()) + 2,
                 qPrintable(form + u'/' + control->objectName() + QStringLiteral(" not mirrored")));
    }
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const auto *note = qobject_cast<QPlainTextEdit *>(control);
        const auto *edit = qobject_cast<QLineEdit *>(control);
        if ((edit || note) && window->isRightToLeft())
            QCOMPARE((edit ? edit->alignment() : note->document()->defaultTextOption().alignment())
                         & (Qt::AlignRight | Qt::AlignAbsolute),
                     Qt::AlignRight | Qt::AlignAbsolute);
    }
    const QImage image = window->grab().toImage();
    int checked = 0;
    QStringList cut; // every one, for the translator
    // A menu bar too narrow hides its last menus behind a ">>".
    for (QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        for (QAction *menu : bar->actions()) {
            if (menu->isVisible() && !bar->rect().contains(bar->actionGeometry(menu)))
                cut << QStringLiteral("%1/%2 in %3, \"%4\"").arg(form, bar->objectName(), language, menu->text());
        }
    }
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QString text = shownText(w);
        if (text.trimmed().isEmpty() || !w->isVisible())
            continue;
        const QString where = QStringLiteral("%1/%2 in %3, \"%4\"").arg(form, w->objectName(), language, text);
        // A window laid out by Qt takes the desktop's font and grows with it.
        QVERIFY2(QFontInfo(w->font()).pointSizeF() < 14 || !(placedByHand || form == QLatin1String("box")),
                 qPrintable(where + QStringLiteral(": the desktop's font")));
        const QRect area(w->mapTo(window, QPoint()), w->size());
        const double ratio = drawnContrast(image.copy(area));
        // The version number is a quiet grey (128) on the ruled paper by design.
        const double least = form + u'/' + w->objectName() == QLatin1String("frmMain/lblrelease") ? 3.0 : 4.5;
        QVERIFY2(ratio >= least, qPrintable(QStringLiteral("%1: contrast %2:1").arg(where).arg(ratio, 0, 'f', 1)));
        if (auto *button = qobject_cast<QPushButton *>(w)) {
            const auto [left, right] = labelMargins(button);
            if (left < 2 || right < 2 || std::abs(left - right) > std::max(4, w->width() / 8))
                cut << where + QStringLiteral(" drawn %1 px from the left, %2 from the right").arg(left).arg(right);
        }
        const QFontMetrics metrics(w->font());
        const auto *label = qobject_cast<QLabel *>(w);
        if (label && label->wordWrap()) {
            const QRect needed = metrics.boundingRect(QRect(0, 0, w->contentsRect().width(), 100000),
                                                      Qt::TextWordWrap, text);
            if (needed.height() > w->contentsRect().height() + 2)
                cut << where;
        } else {
            int widest = 0;
            for (const QString &line : text.split(u'\n'))
                widest = std::max(widest, metrics.horizontalAdvance(line));
            if (widest > w->contentsRect().width() + 1)
                cut << where;
        }
        ++checked;
    }
    QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("cut: ") + cut.join(QStringLiteral("; "))));
    QVERIFY(checked > 0 || form.startsWith(QLatin1String("frmnote")));
}

QTEST_MAIN(AnyThemeTest)
#include "tst_anytheme.moc"
