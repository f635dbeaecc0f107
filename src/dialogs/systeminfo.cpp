#include "systeminfo.h"

namespace systeminfo {

bool start(SystemInfoHost &host)
{
    std::string path;
    if (!host.getKeyValue(localMachine, toolKey, toolValue, path)) {
        std::string folder;
        if (!host.getKeyValue(localMachine, folderKey, folderValue, folder))
            return false;
        path = folder + toolFile;
        if (!host.fileExists(path))
            return false;
    }
    // The first entry's path is taken as it is, without looking for the file.
    return !path.empty() && host.start(path);
}

} // namespace systeminfo
