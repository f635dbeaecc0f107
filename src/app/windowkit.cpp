#include "windowkit.h"

#include "forms/messageboxes.h"
#include "store/settingsstore.h"
#include "store/storekeys.h"

#include <QObject>

bool WindowKit::written(const StoreResult &result, const QString &whatDidNotHappen) const
{
    if (result.written())
        return true;
    boxes.inform(whatDidNotHappen + u' ' + result.reason, QObject::tr("Error!"));
    return false;
}

bool WindowKit::passwordIsSet() const
{
    return !store.read(storekeys::passwordSection, storekeys::passwordKey).isEmpty();
}
