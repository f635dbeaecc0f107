#include "form.h"

#include "controls.h"
#include "formhost.h"
#include "look.h"
#include "twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

class ClientArea : public QWidget
{
public:
    using QWidget::QWidget;

    QColor colour = Qt::white;
    QPixmap picture;
    // Where this area lies in the picture: a part split off below the rest
    // goes on painting it from there.
    int pictureTop = 0;
    // A picture from the resources, decoded when first painted (a hidden
    // window never needs it) and shared by every window that shows it.
    QString picturePath;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), colour);
        const QString key = picturePath + (devicePixelRatioF() > 1.0 ? QStringLiteral("@2x") : QString());
        if (picture.isNull() && !picturePath.isEmpty() && !QPixmapCache::find(key, &picture)) {
            picture = look::picture(picturePath, devicePixelRatioF());
            QPixmapCache::insert(key, picture);
        }
        if (!picture.isNull())
            painter.drawPixmap(0, -pictureTop, picture);
    }
};

Form::Form(FormHost &host, const QString &name)
    : m_host(host)
    , m_layout(new QVBoxLayout(this))
    , m_client(new ClientArea(this))
{
    setObjectName(name);
    // The window's own colours and font, given to every control in it: a
    // desktop theme that sets its own (dark colours, a larger font) would
    // otherwise show through the parts the window does not colour itself.
    setPalette(look::windowPalette());
    setFont(look::windowFont());
    m_client->setObjectName(QStringLiteral("client"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_client);
    setBorder(Border::FixedSingle);
}

QWidget *Form::client() const
{
    return m_client;
}

Form::~Form()
{
    m_host.forget(this);
}

void Form::setBorder(Border border)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowCloseButtonHint;
    switch (border) {
    case Border::FixedSingle:
        flags |= Qt::Window | Qt::WindowMinimizeButtonHint;
        break;
    case Border::FixedDialog:
    case Border::Sizable:
        flags |= Qt::Window;
        break;
    case Border::FixedTool:
        flags |= Qt::Tool;
        break;
    }
    setWindowFlags(flags);
    m_layout->setSizeConstraint(border == Border::Sizable ? QLayout::SetMinimumSize : QLayout::SetFixedSize);
}

void Form::setClientSize(int widthTwips, int heightTwips)
{
    const QSize size = twips::size(widthTwips, heightTwips);
    if (m_layout->sizeConstraint() == QLayout::SetFixedSize)
        m_client->setFixedSize(size);
    else
        m_client->setMinimumSize(size);
    resize(size);
    adjustSize();
}

void Form::setBackground(const QColor &colour, const QPixmap &picture)
{
    m_client->colour = colour;
    m_client->picture = picture;
    m_client->update();
}

void Form::setRuledBackground(int pictureHeight)
{
    setBackground(Qt::white);
    m_client->picturePath = QStringLiteral(":/assets/background-%1.png").arg(pictureHeight);
}

void Form::setMenuBar(QMenuBar *bar)
{
    // Menus open as windows of their own: let them take the window's look.
    for (QMenu *menu : bar->findChildren<QMenu *>())
        menu->setAttribute(Qt::WA_WindowPropagation);
    m_layout->setMenuBar(bar);
    adjustSize();
}

void Form::addFooter(QWidget *footer)
{
    footer->setParent(this);
    m_layout->addWidget(footer);
}

void Form::setClientOrigin(int leftTwips, int topTwips)
{
    m_clientOrigin = QPoint(twips::toPixels(leftTwips), twips::toPixels(topTwips));
}

void Form::showForm()
{
    if (m_unloading || m_host.hasEnded())
        return;
    if (!isVisible()) {
        if (!m_shownBefore)
            placeForFirstShow();
        show();
    }
    raise();
    activateWindow();
}

void Form::unload()
{
    m_host.unload(this);
}

void Form::closeEvent(QCloseEvent *event)
{
    // Closing by the user always goes through; the unload step decides what
    // happens next.
    event->accept();
    m_host.unload(this);
}

void Form::showEvent(QShowEvent *event)
{
    m_host.beforeShow(this);
    QWidget::showEvent(event);
    if (!m_shownBefore) {
        m_shownBefore = true;
        focusFirstControl();
    }
}

void Form::placeForFirstShow()
{
    adjustSize();
    if (layoutDirection() == Qt::RightToLeft)
        mirrorControls();
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen && !fitsOn(screen->availableGeometry())) {
        placeOnSmallScreen(screen->availableGeometry());
        return;
    }
    // A window manager reads the size limits when it first manages a window
    // and only then decides which title-bar buttons it draws: a window that
    // cannot be resized must say so before it is mapped, not after.
    if (m_layout->sizeConstraint() == QLayout::SetFixedSize)
        setFixedSize(size());
    if (m_clientOrigin) {
        // setGeometry() places the inner area (move() would place the frame).
        setGeometry(QRect(*m_clientOrigin, size()));
    } else if (m_centred && screen) {
        QRect area(QPoint(), size());
        area.moveCenter(screen->geometry().center());
        setGeometry(area);
    }
}

// A right-to-left language reads the window from the right: each control
// placed by hand takes its mirror image's place (those in a layout are
// mirrored by it); the picture behind them stays as it is.
void Form::mirrorControls()
{
    const int width = m_client->width();
    for (QWidget *control : m_client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->move(width - control->x() - control->width(), control->y());
    controls::holdTextToTheRight(m_client);
}

namespace {
// Room for the window manager's frame, which is not known before the window
// is first shown: a title bar and the borders.
const QSize frameRoom(16, 40);
} // namespace

bool Form::fitsOn(const QRect &available) const
{
    return size().width() + frameRoom.width() <= available.width()
           && size().height() + frameRoom.height() <= available.height();
}

void Form::placeOnSmallScreen(const QRect &available)
{
    // The inner area keeps its size and scrolls inside a window that fits,
    // placed with its caption in the top-left corner of the screen; Tab
    // scrolls to the control it moves to.
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    delete m_layout->replaceWidget(m_client, scroller);
    scroller->setWidget(m_client);
    m_layout->setSizeConstraint(QLayout::SetNoConstraint);
    const QSize room = available.size() - frameRoom;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize wanted = size();
    if (wanted.height() > room.height())
        wanted.rwidth() += bar; // room for the scroll bar beside the rows
    if (wanted.width() > room.width())
        wanted.rheight() += bar;
    if (wanted.height() > room.height())
        pinFootButtons(scroller);
    setFixedSize(wanted.boundedTo(room));
    move(available.topLeft());
}

void Form::pinFootButtons(QScrollArea *scroller)
{
    // The buttons below every other control stay in view under the rows that
    // scroll, as they were: same places, same look, same order of keys.
    const QList<QWidget *> controls = m_client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    int aboveFoot = -1;
    for (const QWidget *control : controls) {
        if (control->isVisibleTo(m_client) && !qobject_cast<const QPushButton *>(control))
            aboveFoot = std::max(aboveFoot, control->geometry().bottom());
    }
    QList<QWidget *> foot;
    for (QWidget *control : controls) {
        if (control->isVisibleTo(m_client) && qobject_cast<QPushButton *>(control) && control->y() > aboveFoot)
            foot << control;
    }
    if (foot.isEmpty())
        return;
    QList<QWidget *> keyOrder;
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        keyOrder << w;
    const int top = aboveFoot + 1;
    auto *footer = new ClientArea(this);
    footer->setObjectName(QStringLiteral("pinnedFoot"));
    footer->colour = m_client->colour;
    footer->picture = m_client->picture;
    footer->picturePath = m_client->picturePath;
    footer->pictureTop = top;
    footer->setFixedHeight(m_client->height() - top);
    for (QWidget *button : foot) {
        const QPoint at = button->pos() - QPoint(0, top);
        button->setParent(footer);
        button->move(at);
        button->show();
    }
    m_client->setFixedSize(m_client->width(), top);
    m_layout->insertWidget(m_layout->indexOf(scroller) + 1, footer);
    // A widget given a new parent may leave its place in the key order.
    for (qsizetype i = 1; i < keyOrder.size(); ++i)
        setTabOrder(keyOrder[i - 1], keyOrder[i]);
}

void Form::focusFirstControl()
{
    if (focusWidget() && focusWidget() != this)
        return;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w->isEnabled() && w->isVisibleTo(this) && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
