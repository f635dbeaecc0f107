#include "programfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

PrintOutcome RecordingPrinter::print(QWidget *area)
{
    if (!refusal.isEmpty())
        return {PrintOutcome::Status::Refused, refusal};
    pages << area->grab().toImage();
    return {};
}

ProgramFixture::ProgramFixture()
    : m_desktop(platform::nativeDesktop())
    , m_systemInfo(platform::nativeSystemInfo())
{
}

ProgramFixture::~ProgramFixture()
{
    m_program.reset();
    settle();
}

QString ProgramFixture::stored(const QString &section, const QString &key) const
{
    return m_store.readAfresh(section, key);
}

void ProgramFixture::seed(const QString &section, const QString &key, const QString &value)
{
    if (!store().write(section, key, value).written())
        qFatal("could not seed the store");
}

Program &ProgramFixture::program()
{
    if (!m_program)
        m_program = std::make_unique<Program>(Services{store(), m_boxes, m_end, m_printer, *m_desktop, *m_systemInfo});
    return *m_program;
}

Program &ProgramFixture::start()
{
    program().start();
    return *m_program;
}

Program &ProgramFixture::restart()
{
    m_program.reset();
    settle();
    m_end.count = 0;
    return start();
}

bool ProgramFixture::isShown(const QString &name)
{
    const Form *form = window(name);
    return form && form->isVisible();
}

QStringList ProgramFixture::shownWindows()
{
    QStringList names = program().forms().visibleNames();
    names.sort();
    return names;
}

void ProgramFixture::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

namespace ui {

void click(QAbstractButton *button)
{
    QVERIFY2(button->isEnabled(), qPrintable(button->objectName() + QStringLiteral(" is disabled")));
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickTick(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect square = box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, square.center());
}

void trigger(QWidget *window, const QString &actionName)
{
    auto *action = window->findChild<QAction *>(actionName);
    QVERIFY2(action, qPrintable(QStringLiteral("no menu item ") + actionName));
    QVERIFY2(action->isEnabled(), qPrintable(actionName + QStringLiteral(" is disabled")));
    action->trigger();
}

void close(QWidget *window)
{
    QVERIFY(window);
    window->close();
}

void activate(QWidget *window)
{
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
}

} // namespace ui
