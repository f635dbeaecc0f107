#include "namedlist.h"

#include <QCoreApplication>

namespace {

QString joined(const QStringList &names, const char *pattern)
{
    QString text = names.value(0);
    for (qsizetype i = 1; i < names.size(); ++i)
        text = QCoreApplication::translate("NamedList", pattern).arg(text, names[i]);
    return text;
}

} // namespace

namespace namedlist {

QString commas(const QStringList &names)
{
    //: Two names of a list in a sentence: the list so far, then the next name.
    return joined(names, QT_TRANSLATE_NOOP("NamedList", "%1, %2"));
}

QString semicolons(const QStringList &names)
{
    //: Two texts of a list that may hold commas themselves: the list so far, then the next text.
    return joined(names, QT_TRANSLATE_NOOP("NamedList", "%1; %2"));
}

} // namespace namedlist
