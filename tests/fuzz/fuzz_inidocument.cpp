// libFuzzer target, in memory: the settings file's reader and writer.
//  - Any bytes the reader takes as exact are what the writer gives back.
//  - Any texts, under the program's section and key names, written and read
//    again come back the same.
// Built by make check with clang; a failed check aborts.
#include "store/inidocument.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// Texts as a text box holds them: UTF-16 without lone surrogates.
QString textFrom(const std::uint8_t *data, std::size_t size)
{
    QString text(QStringView(reinterpret_cast<const char16_t *>(data), qsizetype(size / 2)).toString());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair)
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<IniDocument> read = IniDocument::parseExact(bytes)) {
        require(read->serialize() == IniDocument::withoutByteOrderMark(bytes), "exact bytes come back");
        require(IniDocument::parseExact(read->serialize()) == read, "and read the same again");
    }

    static const QString sections[] = {QStringLiteral("Task5"), QStringLiteral("Priv"), QStringLiteral("General"),
                                       QString(), QStringLiteral("AutoLoad")};
    static const QString keys[] = {QStringLiteral("Text1"), QStringLiteral("Tick15"), QStringLiteral("Ok"),
                                   QStringLiteral("a b/c")};
    IniDocument written;
    std::size_t pos = 0;
    while (pos + 2 <= size) {
        const std::uint8_t selector = data[pos];
        const std::size_t length = std::min<std::size_t>(data[pos + 1] * 2u, size - pos - 2);
        written.set(sections[selector % 5], keys[(selector / 5) % 4], textFrom(data + pos + 2, length));
        pos += 2 + length;
    }
    const std::optional<IniDocument> back = IniDocument::parseExact(written.serialize());
    require(back.has_value(), "what the writer writes reads exactly");
    IniDocument expected;
    for (const IniDocument::Section &section : written.sections()) {
        for (const IniDocument::Entry &entry : section.entries)
            expected.set(section.name, entry.key, entry.value);
    }
    require(*back == expected, "every text comes back the same");
    return 0;
}
