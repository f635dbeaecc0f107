#include "mainwindow.h"

#include "kit/navigation.h"
#include "kit/windowkit.h"
#include "forms/controls.h"
#include "forms/look.h"
#include "forms/messageboxes.h"
#include "forms/twips.h"
#include "lists/listlayouts.h"
#include "platform/desktop.h"
#include "store/settings.h"
#include "store/storekeys.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

// The twelve size boxes in screen order (left column top to bottom, then the
// right one), each with the label beside it. The box, not its name, decides
// the size: Check5 stands beside "9 Tasks", Check6 beside "8 Tasks".
struct SizeRow
{
    int tasks;
    const char *box;
    int boxLeft, boxTop;
    int labelIndex;
    int labelLeft, labelTop, labelWidth;
};

constexpr SizeRow sizeRows[] = {
    {.tasks = 3, .box = "Check1", .boxLeft = 300, .boxTop = 1170, .labelIndex = 0, .labelLeft = 660, .labelTop = 1140,
     .labelWidth = 855},
    {.tasks = 5, .box = "Check2", .boxLeft = 300, .boxTop = 1470, .labelIndex = 6, .labelLeft = 660, .labelTop = 1440,
     .labelWidth = 855},
    {.tasks = 6, .box = "Check3", .boxLeft = 300, .boxTop = 1770, .labelIndex = 5, .labelLeft = 660, .labelTop = 1740,
     .labelWidth = 855},
    {.tasks = 7, .box = "Check4", .boxLeft = 300, .boxTop = 2070, .labelIndex = 4, .labelLeft = 660, .labelTop = 2040,
     .labelWidth = 855},
    {.tasks = 8, .box = "Check6", .boxLeft = 300, .boxTop = 2370, .labelIndex = 3, .labelLeft = 660, .labelTop = 2340,
     .labelWidth = 855},
    {.tasks = 9, .box = "Check5", .boxLeft = 300, .boxTop = 2670, .labelIndex = 2, .labelLeft = 660, .labelTop = 2640,
     .labelWidth = 855},
    {.tasks = 10, .box = "Check9", .boxLeft = 2160, .boxTop = 1200, .labelIndex = 1, .labelLeft = 2520, .labelTop = 1170,
     .labelWidth = 885},
    {.tasks = 11, .box = "Check8", .boxLeft = 2160, .boxTop = 1500, .labelIndex = 11, .labelLeft = 2520, .labelTop = 1470,
     .labelWidth = 885},
    {.tasks = 12, .box = "Check7", .boxLeft = 2160, .boxTop = 1800, .labelIndex = 10, .labelLeft = 2520, .labelTop = 1770,
     .labelWidth = 885},
    {.tasks = 13, .box = "Check10", .boxLeft = 2160, .boxTop = 2070, .labelIndex = 9, .labelLeft = 2520, .labelTop = 2070,
     .labelWidth = 885},
    {.tasks = 14, .box = "Check11", .boxLeft = 2160, .boxTop = 2370, .labelIndex = 8, .labelLeft = 2520, .labelTop = 2370,
     .labelWidth = 885},
    {.tasks = 15, .box = "Check12", .boxLeft = 2160, .boxTop = 2670, .labelIndex = 7, .labelLeft = 2520, .labelTop = 2670,
     .labelWidth = 885},
};

const QColor okFace(214, 209, 194);

} // namespace

MainWindow::MainWindow(const WindowKit &kit, Desktop &desktop, bool listOpenedAtStart)
    : Form(kit.host, formName)
    , m_kit(kit)
    , m_desktop(desktop)
    , m_listOpenedAtStart(listOpenedAtStart)
{
    setWindowTitle(tr("Velmorwick! v3.0"));
    setRuledBackground();
    setCentredOnScreen();
    buildMenu();
    buildControls();
    setClientSize(3795, 3645);
}

void MainWindow::buildControls()
{
    QWidget *area = client();

    auto *banner = new QLabel(area);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setPixmap(look::picture(QStringLiteral(":/assets/banner.png"), devicePixelRatioF()));
    banner->setToolTip(tr("Choose number of tasks to begin!"));
    banner->move(twips::toPixels(660), twips::toPixels(120));
    banner->adjustSize();

    for (const SizeRow &row : sizeRows) {
        const QString caption = tr("%n Tasks", nullptr, row.tasks);
        m_sizeBoxes << controls::tickBox(area, QString::fromLatin1(row.box), caption, row.boxLeft, row.boxTop, 195,
                                         195);
    }
    for (const SizeRow &row : sizeRows) {
        auto *sizeLabel = controls::lineEdit(area, QStringLiteral("Text2(%1)").arg(row.labelIndex), row.labelLeft,
                                             row.labelTop, row.labelWidth, 225);
        sizeLabel->setText(tr("%n Tasks", nullptr, row.tasks));
        sizeLabel->setEnabled(false);
        sizeLabel->setFocusPolicy(Qt::NoFocus);
        sizeLabel->setFont(controls::msSansSerif(look::fontPoints, true));
        controls::setBackground(sizeLabel, look::face);
        controls::setTextColour(sizeLabel, Qt::black);
    }

    auto *release = controls::label(area, QStringLiteral("lblrelease"), tr("v3.01"), 30, 3390, 1695, 255);
    release->setFont(controls::arial(look::fontPoints));
    controls::setTextColour(release, QColor(128, 128, 128));

    auto *quit = controls::button(area, QStringLiteral("Command2"), tr("&Quit"), 1740, 3060, 855, 315);
    controls::setBackground(quit, look::face);
    auto *ok = controls::button(area, QStringLiteral("Command1"), tr("&OK"), 2580, 3060, 855, 315);
    controls::setBackground(ok, okFace);

    QList<QWidget *> order(m_sizeBoxes.begin(), m_sizeBoxes.end());
    controls::chainTabOrder(order << quit << ok);

    for (QCheckBox *box : std::as_const(m_sizeBoxes))
        connect(box, &QCheckBox::toggled, this, [this, box](bool ticked) { sizeBoxChanged(box, ticked); });
    connect(ok, &QPushButton::clicked, this, &MainWindow::openChosenList);
    connect(quit, &QPushButton::clicked, this, [this] { m_kit.navigation.endProgram(); });
}

void MainWindow::buildMenu()
{
    auto *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menuBar"));
    auto menu = [bar](const char *name, const QString &title) {
        QMenu *m = bar->addMenu(title);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto item = [](QMenu *m, const char *name, const QString &text) {
        QAction *a = m->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto separator = [](QMenu *m, const char *name) { m->addSeparator()->setObjectName(QString::fromLatin1(name)); };

    auto onTrigger = [this](QAction *action, auto handler) { connect(action, &QAction::triggered, this, handler); };

    QMenu *main = menu("mnumenu", tr("&Menu"));
    onTrigger(item(main, "mnuclear", tr("&Clear All Tasks")), [this] { clearAllTasks(); });
    onTrigger(item(main, "mnunote", tr("&Quick Notes")), [this] {
        m_kit.navigation.showNote(1);
        hide();
    });
    separator(main, "mnuline2");
    onTrigger(item(main, "mnutop", tr("Make &Topmost")),
              [this] { m_desktop.setTopmost(this, true); });
    onTrigger(item(main, "mnunontop", tr("Make &Non-topmost")),
              [this] { m_desktop.setTopmost(this, false); });
    separator(main, "mnuline3");
    onTrigger(item(main, "mnuAuto", tr("Reset AutoLoad")), [this] { resetAutoLoad(); });
    onTrigger(item(main, "mnumin", tr("&Minimize")), [this] { showMinimized(); });
    separator(main, "mnuline1");
    for (const int tasks : {5, 10, 15}) {
        const QString name = QStringLiteral("mnu%1").arg(tasks);
        onTrigger(item(main, qPrintable(name), tr("%n Tasks", nullptr, tasks)),
                  [this, tasks] { openListInstead(tasks); });
    }
    separator(main, "mnuline");
    onTrigger(item(main, "mnuexit", tr("&Exit")), [this] { m_kit.navigation.endProgram(); });

    QMenu *privateMenu = menu("mnuprivate", tr("My &Private List"));
    onTrigger(item(privateMenu, "mnupriv", tr("&View My Private List")), [this] { viewPrivateList(); });
    onTrigger(item(privateMenu, "mnuchange", tr("&Change Password")), [this] { changePassword(); });

    QMenu *help = menu("mnuhelp", tr("&Help"));
    onTrigger(item(help, "mnuabout", tr("&About")),
              [this] { m_kit.navigation.showAbout(); });

    setMenuBar(bar);
}

// The size boxes act as a one-of-twelve choice: ticking one locks the other
// eleven, unticking it frees them again.
void MainWindow::sizeBoxChanged(QCheckBox *changed, bool ticked)
{
    for (QCheckBox *box : std::as_const(m_sizeBoxes)) {
        if (box != changed)
            box->setEnabled(!ticked);
    }
}

void MainWindow::openChosenList()
{
    // Looked at by name, Check1 to Check12, whatever their places on screen.
    for (int k = 1; k <= int(std::size(sizeRows)); ++k) {
        const QString name = QStringLiteral("Check%1").arg(k);
        for (qsizetype i = 0; i < m_sizeBoxes.size(); ++i) {
            if (m_sizeBoxes[i]->objectName() == name && m_sizeBoxes[i]->isChecked()) {
                m_kit.navigation.showTaskList(sizeRows[i].tasks);
                hide();
                return;
            }
        }
    }
    m_kit.boxes.inform(tr("Please select number of tasks"), tr("Error!"));
}

void MainWindow::formLoad()
{
    autoLoadDispatch();
}

void MainWindow::autoLoadDispatch()
{
    m_dispatchOpenedList = false;
    if (std::exchange(m_listOpenedAtStart, false)) {
        m_dispatchOpenedList = true; // already on screen, opened by start-up
        return;
    }
    const settings::StartList choice = settings::startList(m_kit.store);
    if (choice == settings::StartList::Unset || choice == settings::StartList::None) {
        showForm();
        return;
    }
    if (const int tasks = settings::tasksOf(choice)) {
        m_kit.navigation.showTaskList(tasks);
        hide();
        m_dispatchOpenedList = true;
    }
    // Any other text opens nothing; start-up shows this window.
}

// The exit step. With the reminder switched off the program ends, unless
// other windows of it are open: then only this window goes, and the program
// goes on with them until the last one closes.
void MainWindow::formUnload()
{
    if (settings::reminderOff(m_kit.store)) {
        if (!m_kit.navigation.anyOtherWindowShown(this))
            m_kit.navigation.endProgram();
        return;
    }
    m_kit.navigation.showExitReminder();
    hide();
}

void MainWindow::clearAllTasks()
{
    if (!m_kit.boxes.askYesNo(tr("Are you sure you want to clear all tasks?"),
                                    tr("Warning")))
        return;
    QList<StoreChange> changes{StoreChange::snapshot(tr("Clear All Tasks"))};
    for (const ListLayout &layout : dayListLayouts())
        changes << StoreChange::removeSection(layout.section);
    if (!m_kit.written(m_kit.store.apply(changes), tr("The tasks were not cleared.")))
        return;
    m_kit.boxes.inform(tr("All Tasks Cleared!"), tr("Velmorwick"));
}

void MainWindow::resetAutoLoad()
{
    if (!m_kit.written(m_kit.store.apply({settings::reminderWritten(false)}),
                       tr("The reminder could not be switched on again.")))
        return;
    m_kit.navigation.resetExitReminderChoice();
    m_kit.boxes.inform(tr("AutoLoad Window has been reset!"), tr("Velmorwick"));
}

void MainWindow::openListInstead(int tasks)
{
    m_kit.navigation.showTaskList(tasks);
    unload();
}

void MainWindow::viewPrivateList()
{
    if (m_kit.passwordIsSet())
        m_kit.navigation.showPasswordEntry();
    else
        m_kit.navigation.showPasswordCreation();
    unload();
}

// A stored password is only replaced by someone who can type it: the entry
// window asks for it first.
void MainWindow::changePassword()
{
    if (m_kit.passwordIsSet()) {
        m_kit.navigation.showPasswordEntry();
    } else {
        // An empty value may still be there. Not acted on: what the window
        // goes on to do needs no password section, and it asks to create one.
        (void)m_kit.store.removeSection(storekeys::passwordSection);
        m_kit.navigation.showPasswordCreation();
    }
    unload();
}
