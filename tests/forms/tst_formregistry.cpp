// The lifecycle every window follows.
#include "forms/form.h"
#include "forms/formregistry.h"
#include "support/programfixture.h"

#include <QLineEdit>
#include <QTest>

namespace {

// A window that counts its loads and unloads and holds one text box.
class CountingForm : public Form
{
    Q_OBJECT

public:
    CountingForm(FormRegistry &forms, int &loads, int &unloads, QStringList &events)
        : Form(forms, QStringLiteral("frmCount"))
        , m_loads(loads)
        , m_unloads(unloads)
        , m_events(events)
        , text(new QLineEdit(client()))
    {
        text->setObjectName(QStringLiteral("Text1"));
        setClientSize(1500, 900);
    }

    std::function<void()> onUnload;

protected:
    void formLoad() override
    {
        ++m_loads;
        m_events << QStringLiteral("load, visible=%1").arg(isVisible());
    }
    void formUnload() override
    {
        ++m_unloads;
        m_events << QStringLiteral("unload");
        if (onUnload)
            onUnload();
    }

private:
    int &m_loads;
    int &m_unloads;
    QStringList &m_events;

public:
    QLineEdit *text;
};

} // namespace

class FormRegistryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstReferenceCreatesAndLoadsAHiddenWindow();
    void showingAnExistingWindowDoesNotReloadIt();
    void hidingKeepsWhatWasTyped();
    void unloadRunsItsStepThenALaterReferenceStartsAfresh();
    void closingByTheUserUnloads();
    void endingDropsEveryWindowWithoutUnload();
    void aWindowAskedToShowWhileUnloadingStillCloses();
    void nothingLeftOnScreenIsToldOnceTheHandlerIsDone();

private:
    std::unique_ptr<FormRegistry> forms;
    int loads = 0;
    int unloads = 0;
    QStringList events;
    CountingForm *current() { return forms->find<CountingForm>(QStringLiteral("frmCount")); }
};

void FormRegistryTest::init()
{
    forms = std::make_unique<FormRegistry>();
    loads = unloads = 0;
    events.clear();
    forms->define(QStringLiteral("frmCount"), [this] { return new CountingForm(*forms, loads, unloads, events); });
}

void FormRegistryTest::cleanup()
{
    forms.reset();
    ProgramFixture::settle();
    QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived its registry");
}

void FormRegistryTest::firstReferenceCreatesAndLoadsAHiddenWindow()
{
    QVERIFY(!forms->isLoaded(QStringLiteral("frmCount")));
    auto &form = forms->ref<CountingForm>(QStringLiteral("frmCount"));
    form.text->setText(QStringLiteral("set by code"));
    QCOMPARE(loads, 1);
    QCOMPARE(events, QStringList{QStringLiteral("load, visible=0")});
    QVERIFY(!form.isVisible());
    QCOMPARE(&forms->ref<CountingForm>(QStringLiteral("frmCount")), &form);
    QCOMPARE(loads, 1);
}

void FormRegistryTest::showingAnExistingWindowDoesNotReloadIt()
{
    forms->show(QStringLiteral("frmCount"));
    QVERIFY(current()->isVisible());
    forms->show(QStringLiteral("frmCount"));
    QCOMPARE(loads, 1);
}

void FormRegistryTest::hidingKeepsWhatWasTyped()
{
    forms->show(QStringLiteral("frmCount"));
    QTest::keyClicks(current()->text, QStringLiteral("typed"));
    current()->hide();
    forms->show(QStringLiteral("frmCount"));
    QCOMPARE(current()->text->text(), QStringLiteral("typed"));
    QCOMPARE(unloads, 0);
}

void FormRegistryTest::unloadRunsItsStepThenALaterReferenceStartsAfresh()
{
    forms->show(QStringLiteral("frmCount"));
    current()->text->setText(QStringLiteral("typed"));
    forms->unload(QStringLiteral("frmCount"));
    QCOMPARE(unloads, 1);
    QVERIFY(!forms->isLoaded(QStringLiteral("frmCount")));
    ProgramFixture::settle();
    forms->show(QStringLiteral("frmCount"));
    QCOMPARE(loads, 2);
    QCOMPARE(current()->text->text(), QString());
}

void FormRegistryTest::closingByTheUserUnloads()
{
    forms->show(QStringLiteral("frmCount"));
    current()->close();
    QCOMPARE(unloads, 1);
    QVERIFY(!forms->isLoaded(QStringLiteral("frmCount")));
}

void FormRegistryTest::endingDropsEveryWindowWithoutUnload()
{
    forms->show(QStringLiteral("frmCount"));
    QPointer<CountingForm> form = current();
    forms->dropAll();
    QVERIFY(!form->isVisible());
    QVERIFY(!forms->isLoaded(QStringLiteral("frmCount")));
    ProgramFixture::settle();
    QVERIFY(form.isNull());
    QCOMPARE(unloads, 0);
    // Nothing shows once the program has ended.
    forms->show(QStringLiteral("frmCount"));
    QVERIFY(!current()->isVisible());
}

void FormRegistryTest::aWindowAskedToShowWhileUnloadingStillCloses()
{
    forms->show(QStringLiteral("frmCount"));
    current()->onUnload = [this] { forms->show(QStringLiteral("frmCount")); };
    current()->close();
    QVERIFY(!forms->isLoaded(QStringLiteral("frmCount")));
    QCOMPARE(loads, 1);
}

void FormRegistryTest::nothingLeftOnScreenIsToldOnceTheHandlerIsDone()
{
    int told = 0;
    forms->setWhenNothingShows([&told] { ++told; });
    forms->show(QStringLiteral("frmCount"));
    // An unload followed by a show in the same handler leaves a window on screen.
    forms->unload(QStringLiteral("frmCount"));
    forms->show(QStringLiteral("frmCount"));
    ProgramFixture::settle();
    QCOMPARE(told, 0);
    // The last window closed, nothing shown after it.
    current()->close();
    QCOMPARE(told, 0);
    ProgramFixture::settle();
    QCOMPARE(told, 1);
}

QTEST_MAIN(FormRegistryTest)
#include "tst_formregistry.moc"
