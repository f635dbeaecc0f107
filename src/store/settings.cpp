#include "settings.h"

#include "storekeys.h"

#include <array>
#include <utility>

namespace settings {

namespace {

constexpr std::array<std::pair<StartList, const char *>, 5> startListTexts{{
    {StartList::None, "none"},
    {StartList::Five, "5"},
    {StartList::Ten, "10"},
    {StartList::Thirteen, "13"},
    {StartList::Fifteen, "15"},
}};

} // namespace

StartList startList(const SettingsStore &store)
{
    const QString stored = store.read(storekeys::autoLoadSection, storekeys::autoLoadKey);
    if (stored.isEmpty())
        return StartList::Unset;
    for (const auto &[choice, text] : startListTexts) {
        if (stored == QLatin1String(text))
            return choice;
    }
    return StartList::Other;
}

StoreChange startListWritten(StartList choice)
{
    for (const auto &[known, text] : startListTexts) {
        if (known == choice)
            return StoreChange::write(storekeys::autoLoadSection, storekeys::autoLoadKey, QString::fromLatin1(text));
    }
    return StoreChange::write(storekeys::autoLoadSection, storekeys::autoLoadKey, QString());
}

int tasksOf(StartList choice)
{
    switch (choice) {
    case StartList::Five: return 5;
    case StartList::Ten: return 10;
    case StartList::Thirteen: return 13;
    case StartList::Fifteen: return 15;
    case StartList::Unset:
    case StartList::None:
    case StartList::Other: break;
    }
    return 0;
}

bool reminderOff(const SettingsStore &store)
{
    return store.read(storekeys::reminderSection, storekeys::reminderKey) == storekeys::reminderOff;
}

StoreChange reminderWritten(bool off)
{
    return StoreChange::write(storekeys::reminderSection, storekeys::reminderKey, off ? storekeys::reminderOff : QString());
}

bool notOnTopNoticeOff(const SettingsStore &store)
{
    return store.read(storekeys::noticesSection, storekeys::notOnTopKey) == storekeys::noticeOff;
}

StoreChange notOnTopNoticeTurnedOff()
{
    return StoreChange::write(storekeys::noticesSection, storekeys::notOnTopKey, storekeys::noticeOff);
}

bool passwordIsSet(const SettingsStore &store)
{
    return !store.read(storekeys::passwordSection, storekeys::passwordKey).isEmpty();
}

} // namespace settings
