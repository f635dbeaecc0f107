// Printing a list on a real print server: a private CUPS daemon with a PDF
// printer as its default, started and stopped by this test on its own socket
// and spool folder.
#include "app/appearance.h"
#include "forms/printing.h"
#include "lists/tasklistwindow.h"
#include "platform/desktop.h"
#include "support/programfixture.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace {

bool writeFile(const QString &path, const QString &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) >= 0;
}

QString run(const QString &program, const QStringList &args, int *exitCode = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(60000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll());
}

// cups-pdf puts its files into the submitting user's home, as the user
// database has it, under PDF/.
QString pdfFolder()
{
    const passwd *user = ::getpwuid(::getuid());
    return QDir(QString::fromLocal8Bit(user ? user->pw_dir : "/root")).filePath(QStringLiteral("PDF"));
}

// The part of the page that is not blank paper.
QRect inkBounds(const QImage &page)
{
    QRect bounds;
    for (int y = 0; y < page.height(); ++y) {
        const uchar *line = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x) {
            if (line[x] < 250)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

double meanDifference(const QImage &a, const QImage &b, const QRect &area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    }
    return sum / (area.width() * area.height());
}

int darkPixels(const QImage &image, const QRect &area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    }
    return dark;
}

} // namespace

class RealPrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void printedPageShowsTheListAsItStands();
    void aJobThePrinterTurnsDownIsTold();

private:
    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_socket;
};

void RealPrintingTest::initTestCase()
{
    applyAppearance();
    const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")});
    if (cupsd.isEmpty() || !QFileInfo::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")))
        QSKIP("cupsd or the cups-pdf printer is not installed (Debian's cups and printer-driver-cups-pdf)");
    if (::geteuid() != 0)
        QSKIP("the cups-pdf back end only runs under a cupsd started as root");
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm is not installed (Debian's poppler-utils)");

    const QString root = m_dir.path();
    // The filters run as the "lp" user and read the spooled job from here.
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    for (const char *sub : {"conf", "conf/ppd", "spool", "cache", "state", "log"})
        QVERIFY(QDir(root).mkpath(QString::fromLatin1(sub)));
    m_socket = root + QStringLiteral("/cups.sock");
    QVERIFY(writeFile(root + QStringLiteral("/cupsd.conf"),
                      QStringLiteral("LogLevel info\nListen %1\nBrowsing Off\nWebInterface No\nDefaultAuthType None\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                          .arg(m_socket)));
    QVERIFY(writeFile(root + QStringLiteral("/cups-files.conf"),
                      QStringLiteral("ServerRoot %1/conf\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                     "Printcap %1/printcap\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                     "User lp\nGroup lp\nSystemGroup root\n")
                          .arg(root)));
    m_cupsd.setProcessChannelMode(QProcess::ForwardedChannels);
    m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/cupsd.conf"),
                          QStringLiteral("-s"), root + QStringLiteral("/cups-files.conf")});
    if (!m_cupsd.waitForStarted())
        QSKIP("cupsd cannot start here");
    for (int i = 0; i < 100 && !QFileInfo::exists(m_socket); ++i)
        QTest::qWait(100);
    if (!QFileInfo::exists(m_socket))
        QSKIP("cupsd started but never opened its socket");

    qputenv("CUPS_SERVER", QFile::encodeName(m_socket));
    int code = 0;
    const QString added = run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), m_socket, QStringLiteral("-p"),
                                                          QStringLiteral("VelmorwickPDF"), QStringLiteral("-E"),
                                                          QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                                                          QStringLiteral("-m"),
                                                          QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd")},
                              &code);
    QVERIFY2(code == 0, qPrintable(added));
    const QString made = run(QStringLiteral("lpadmin"), {QStringLiteral("-h"), m_socket, QStringLiteral("-d"),
                                                         QStringLiteral("VelmorwickPDF")},
                             &code);
    QVERIFY2(code == 0, qPrintable(made));
}

void RealPrintingTest::cleanupTestCase()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(5000))
            m_cupsd.kill();
    }
    ProgramFixture::settle();
}

void RealPrintingTest::printedPageShowsTheListAsItStands()
{
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("VelmorwickPDF"));
    ProgramFixture fx;
    fx.program().showTaskList(5);
    auto *list = fx.window<TaskListWindow>(QStringLiteral("frm5"));
    list->textBox(1)->setText(QStringLiteral("Return library books"));
    list->textBox(2)->setText(QStringLiteral("Water the ferns"));
    ui::clickTick(list->tickBox(2));

    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    DefaultPrinter().print(list->client());

    // Wait until the server has no job left, then take the PDF it wrote.
    QString pdf;
    for (int i = 0; i < 600 && pdf.isEmpty(); ++i) {
        QTest::qWait(100);
        const QString pending = run(QStringLiteral("lpstat"), {QStringLiteral("-h"), m_socket, QStringLiteral("-W"),
                                                               QStringLiteral("not-completed"), QStringLiteral("-o")});
        if (!pending.trimmed().isEmpty())
            continue;
        const auto found = QDir(pdfFolder()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
        if (!found.isEmpty() && found.first().lastModified() >= started)
            pdf = found.first().filePath();
    }
    if (pdf.isEmpty()) {
        QFile log(m_dir.filePath(QStringLiteral("log/error_log")));
        log.open(QIODevice::ReadOnly);
        qWarning("cupsd's log:\n%s", log.readAll().right(4000).constData());
    }
    QVERIFY2(!pdf.isEmpty(), "no PDF came out of the printer");
    qInfo("printed to %s", qPrintable(pdf));

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));

    const QString png = m_dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                     QStringLiteral("-singlefile"), pdf, png});
    const QImage page = QImage(png + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
    QVERIFY(!page.isNull());

    // The text is drawn as outlines, so compare pictures: the printed window,
    // cut from the page and brought to the window's size, against the window.
    const QImage printed = page.copy(inkBounds(page))
                               .scaled(list->client()->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage window = list->client()->grab().toImage().convertToFormat(QImage::Format_Grayscale8).scaled(
        list->client()->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int row = 1; row <= 5; ++row) {
        const QRect box = list->textBox(row)->geometry().adjusted(3, 3, -3, -3);
        QVERIFY2(meanDifference(printed, window, box) < 24, qPrintable(QStringLiteral("row %1").arg(row)));
    }
    QVERIFY2(darkPixels(printed, list->textBox(1)->geometry()) > 30, "the first row's text is missing");
    QCOMPARE(darkPixels(printed, list->textBox(3)->geometry().adjusted(3, 3, -3, -3)), 0);
    // The done row keeps its grey.
    const QRect done = list->textBox(2)->geometry();
    QVERIFY(qAbs(printed.pixelColor(done.right() - 8, done.center().y()).red() - 0xE0) <= 6);
    if (!qEnvironmentVariableIsEmpty("VELMORWICK_KEEP_PRINT"))
        QFile::copy(png + QStringLiteral(".png"), qEnvironmentVariable("VELMORWICK_KEEP_PRINT"));
    QFile::remove(pdf);
}

void RealPrintingTest::aJobThePrinterTurnsDownIsTold()
{
    // The printer is there and the default, but takes no jobs.
    int code = 0;
    const QString rejected = run(QStringLiteral("cupsreject"), {QStringLiteral("-h"), m_socket,
                                                                QStringLiteral("VelmorwickPDF")},
                                 &code);
    QVERIFY2(code == 0, qPrintable(rejected));
    ProgramFixture fx;
    fx.program().showTaskList(5);
    auto *list = fx.window<TaskListWindow>(QStringLiteral("frm5"));
    const PrintOutcome outcome = DefaultPrinter(platform::lastPrintJobRefusal).print(list->client());
    run(QStringLiteral("cupsaccept"), {QStringLiteral("-h"), m_socket, QStringLiteral("VelmorwickPDF")});
    QCOMPARE(outcome.status, PrintOutcome::Status::Refused);
    QVERIFY2(outcome.reason.contains(QStringLiteral("accepting")), qPrintable(outcome.reason));
}

QTEST_MAIN(RealPrintingTest)
#include "tst_realprinting.moc"
