#include "windowkit.h"

#include "forms/messageboxes.h"
#include "store/settingsstore.h"
#include "store/settings.h"

#include <QObject>

bool WindowKit::written(const StoreResult &result, const QString &whatDidNotHappen) const
{
    // Written: whatever waits on the write goes on; the user hears that the
    // disk did not confirm it.
    if (result.status == StoreResult::Status::Unconfirmed)
        boxes.inform(QObject::tr("Saved. %1").arg(result.reason), QObject::tr("Velmorwick"));
    if (result.written())
        return true;
    boxes.inform(whatDidNotHappen + u' ' + result.reason, QObject::tr("Error!"));
    return false;
}

bool WindowKit::passwordIsSet() const
{
    return settings::passwordIsSet(store);
}
