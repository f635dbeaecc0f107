#include "storeschema.h"

#include "storekeys.h"

#include <QCoreApplication>

namespace storeschema {

namespace {

// A list's rows: "Text1", "Tick1", ... (a row past the list's size is kept
// as it is, never shown).
QStringList rowKeys()
{
    return {QStringLiteral("Text*"), QStringLiteral("Tick*")};
}

} // namespace

const QList<Section> &sections()
{
    using namespace storekeys;
    static const QList<Section> all = [] {
        QList<Section> list;
        for (int tasks = 3; tasks <= 15; ++tasks) {
            if (tasks != 4)
                list << Section{taskSection(tasks), taskSection(tasks), QT_TRANSLATE_NOOP("storemerge", "the %1-task list"),
                                Rule::RowByRow, rowKeys()};
        }
        const char *privateList = QT_TRANSLATE_NOOP("storemerge", "the private list and its password");
        // An earlier version kept the private list's rows in the clear, as a
        // day list's: they are read once and taken into the sealed list.
        list << Section{privateSection, privateSection, privateList, Rule::LaterSavedWins,
                        QStringList{sealedListKey} + rowKeys()}
             << Section{passwordSection, privateSection, privateList, Rule::LaterSavedWins, {passwordKey, wrappedKeyKey}}
             << Section{unfinishedChangeSection, privateSection, privateList, Rule::LaterSavedWins, {dataKeyKey}, true}
             << Section{autoLoadSection, autoLoadSection, QT_TRANSLATE_NOOP("storemerge", "the list to open at start"),
                        Rule::LatestChoice, {autoLoadKey}}
             << Section{reminderSection, reminderSection, QT_TRANSLATE_NOOP("storemerge", "the reminder's switch"),
                        Rule::LatestChoice, {reminderKey}}
             << Section{noticesSection, noticesSection, QT_TRANSLATE_NOOP("storemerge", "the quick notes' notice"),
                        Rule::LatestChoice, {notOnTopKey}}
             << Section{savedSection, {}, nullptr, Rule::Stamps, {QStringLiteral("*")}}
             << Section{keptAsideSection, {}, nullptr, Rule::Union,
                        {keptListKey, QStringLiteral("Rows-*"), QStringLiteral("Key-*"), QStringLiteral("Sealed-*")}}
             // Rows a merge replaced, for the user to read and put back.
             << Section{replacedSection, {}, nullptr, Rule::Union, {QStringLiteral("*")}};
        return list;
    }();
    return all;
}

const Section *find(const QString &section)
{
    for (const Section &entry : sections()) {
        if (entry.name == section)
            return &entry;
    }
    return nullptr;
}

QStringList sectionsOf(const QString &part)
{
    QStringList names;
    for (const Section &entry : sections()) {
        if (entry.part == part)
            names << entry.name;
    }
    return names;
}

QStringList leftOutOfCopies()
{
    QStringList names;
    for (const Section &entry : sections()) {
        if (entry.leftOutOfCopies)
            names << entry.name;
    }
    return names;
}

bool holdsKey(const Section &section, const QString &key)
{
    for (const QString &pattern : section.keys) {
        if (pattern.endsWith(u'*') ? key.startsWith(pattern.chopped(1)) : key == pattern)
            return true;
    }
    return false;
}

} // namespace storeschema
