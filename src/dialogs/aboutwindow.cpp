#include "aboutwindow.h"

#include "dialogs/systeminfo.h"
#include "forms/controls.h"
#include "forms/messageboxes.h"
#include "forms/twips.h"

#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// One line of an etched separator, as a strip of colour.
void line(QWidget *parent, const QString &name, const QColor &colour, int x1, int x2, int y, int widthPixels)
{
    auto *strip = new QWidget(parent);
    strip->setObjectName(name);
    strip->setAutoFillBackground(true);
    controls::setBackground(strip, colour);
    strip->setGeometry(twips::toPixels(x1), twips::toPixels(y), twips::toPixels(x2) - twips::toPixels(x1) + 1,
                       widthPixels);
}

} // namespace

AboutWindow::AboutWindow(FormHost &host, MessageBoxes &boxes, SystemInfoHost &systemInfo)
    : Form(host, formName)
    , m_boxes(boxes)
    , m_systemInfo(systemInfo)
{
    setWindowTitle(tr("About Velmorwick"));
    setBorder(Border::FixedDialog);
    setBackground(palette().color(QPalette::Window));
    setCentredOnScreen();
    setShownInTaskbar(false);
    buildControls();
    setClientSize(5730, 4980);
}

void AboutWindow::buildControls()
{
    QWidget *area = client();
    m_ok = controls::button(area, QStringLiteral("cmdOK"), tr("OK"), 4245, 2625, 1260, 345);
    m_ok->setDefault(true);
    auto *sysInfo =
        controls::button(area, QStringLiteral("cmdSysInfo"), tr("&System Info..."), 4260, 3075, 1245, 345);

    auto *title =
        controls::label(area, QStringLiteral("lblTitle"), tr("Velmorwick v3.01"), 990, 180, 3885, 240);
    controls::setTextColour(title, Qt::black);
    controls::label(area, QStringLiteral("lblVersion"), tr("Written by Tamsin Velmorwick"), 960, 420, 2295,
                    225);

    auto *contacts = new QGroupBox(tr("Contacts"), area);
    contacts->setObjectName(QStringLiteral("FrameCont"));
    controls::place(contacts, 960, 1020, 4395, 1275);
    auto *description = controls::label(contacts, QStringLiteral("lblDescription"),
                                        tr("E-mail: tamsin@velmorwick.example\n"
                                                       "Support: help@velmorwick.example\n"
                                                       "Web: www.velmorwick.example\n"
                                                       "More programs: www.velmorwick.example/programs\n"
                                                       "Join our mailing list to hear of new versions first!"),
                                        120, 180, 4185, 1050, controls::Wrap::Words);
    controls::setTextColour(description, Qt::black);

    auto *icon = new QLabel(area);
    icon->setObjectName(QStringLiteral("Picture1"));
    icon->setPixmap(QIcon(QStringLiteral(":/assets/icon-32.png")).pixmap(32, 32));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    controls::place(icon, 240, 240, 495, 555);

    auto *web = controls::label(area, QStringLiteral("Label10"), tr("www.velmorwick.example"), 990, 690,
                                2355, 255);
    QFont webFont = web->font();
    webFont.setBold(true);
    webFont.setUnderline(true);
    web->setFont(webFont);
    controls::setTextColour(web, Qt::blue);

    auto *detail = controls::label(area, QStringLiteral("Label8"), tr("29"), 3990, 390, 975, 255);
    controls::setTextColour(detail, QColor(0, 0, 192));
    auto *detailCaption = controls::label(area, QStringLiteral("Label3"), tr("Age:"), 3540, 390, 375, 195);
    QFont bold = detailCaption->font();
    bold.setBold(true);
    detailCaption->setFont(bold);
    // A longer word in another language grows leftwards, towards the room
    // before it, and stays beside the number it names.
    if (const int more = detailCaption->sizeHint().width() - detailCaption->width(); more > 0)
        detailCaption->setGeometry(detailCaption->geometry().adjusted(-more, 0, 0, 0));

    controls::label(area, QStringLiteral("Label2"),
                    tr("Also from Velmorwick: Quillmark, the pocket notebook that remembers where you "
                                   "left off. Free to try!"),
                    180, 3660, 2595, 855, controls::Wrap::Words);
    auto *advert = new QLabel(area);
    advert->setObjectName(QStringLiteral("Image2"));
    advert->setPixmap(QPixmap(QStringLiteral(":/assets/quillmark.png")));
    advert->move(twips::toPixels(3060), twips::toPixels(3660));
    advert->adjustSize();

    auto *address = controls::lineEdit(area, QStringLiteral("txtaddress"), 180, 4620, 5415, 285);
    address->setText(tr("http://www.velmorwick.example/quillmark/"));
    address->setReadOnly(true); // selectable, so it can be copied
    controls::setBackground(address, palette().color(QPalette::Window));
    address->setAccessibleName(tr("Quillmark's web address"));

    // Two etched separators: a grey line with a white one under it.
    const QColor grey(128, 128, 128);
    line(area, QStringLiteral("Line1(1)"), grey, 90, 5654, 2445, 1);
    line(area, QStringLiteral("Line1(0)"), Qt::white, 105, 5654, 2460, 2);
    line(area, QStringLiteral("Line1(3)"), Qt::white, 120, 5669, 3540, 2);
    line(area, QStringLiteral("Line1(4)"), grey, 120, 5684, 3540, 1);

    controls::chainTabOrder({m_ok, sysInfo, address});
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);
    connect(sysInfo, &QPushButton::clicked, this, &AboutWindow::startSystemInfo);
}

void AboutWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        m_ok->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *focused = qobject_cast<QPushButton *>(focusWidget()))
            focused->click();
        else
            m_ok->click();
        return;
    default:
        Form::keyPressEvent(event);
    }
}

void AboutWindow::startSystemInfo()
{
    if (!systeminfo::start(m_systemInfo))
        m_boxes.inform(tr("System Information Is Unavailable At This Time"),
                                 tr("Velmorwick"));
}
