#pragma once

#include "inidocument.h"

#include <QByteArrayView>

// What QSettings' INI format reads from a file the program did not write
// (edited by hand, written by another program or an earlier version), found
// in memory in one pass: no copy of the file is written to be read, and a
// file of many sections or keys costs no more than one of few long ones.
// Every key QSettings lists, as the program looks it up: the first part of
// its path names the section, keys with an empty part are left out, a list
// of values reads as empty text. A value beginning with a single '@' is the
// text it is: QSettings would build another type from it (see
// inertvariants.h), which the program never stores.
struct QSettingsReading
{
    IniDocument document;
    bool damaged = false; // QSettings would report a format error
};
QSettingsReading readAsQSettingsDoes(QByteArrayView bytes);
