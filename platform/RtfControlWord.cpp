#include "platform/RtfControlWord.h"

#include <string_view>
#include <unordered_map>

namespace {

using enum RtfControlWord;

const std::unordered_map<std::string_view, RtfControlWordMeaning> &knownWords() {
    static const std::unordered_map<std::string_view, RtfControlWordMeaning> words = {
        {"fonttbl", {FontTable}},
        {"colortbl", {ColourTable}},
        {"author", {SkippedDestination}},
        {"bkmkend", {SkippedDestination}},
        {"bkmkstart", {SkippedDestination}},
        {"comment", {SkippedDestination}},
        {"datastore", {SkippedDestination}},
        {"docvar", {SkippedDestination}},
        {"falt", {SkippedDestination}},
        {"fldinst", {SkippedDestination}},
        {"footer", {SkippedDestination}},
        {"footerf", {SkippedDestination}},
        {"footerl", {SkippedDestination}},
        {"footerr", {SkippedDestination}},
        {"footnote", {SkippedDestination}},
        {"generator", {SkippedDestination}},
        {"header", {SkippedDestination}},
        {"headerf", {SkippedDestination}},
        {"headerl", {SkippedDestination}},
        {"headerr", {SkippedDestination}},
        {"info", {SkippedDestination}},
        {"latentstyles", {SkippedDestination}},
        {"listoverridetable", {SkippedDestination}},
        {"listtable", {SkippedDestination}},
        {"nonshppict", {SkippedDestination}},
        {"object", {SkippedDestination}},
        {"pict", {SkippedDestination}},
        {"pn", {SkippedDestination}},
        {"private", {SkippedDestination}},
        {"revtbl", {SkippedDestination}},
        {"rsidtbl", {SkippedDestination}},
        {"stylesheet", {SkippedDestination}},
        {"tc", {SkippedDestination}},
        {"template", {SkippedDestination}},
        {"themedata", {SkippedDestination}},
        {"xe", {SkippedDestination}},
        {"xmlnstbl", {SkippedDestination}},
        {"fcharset", {Charset}},
        {"red", {Red}},
        {"green", {Green}},
        {"blue", {Blue}},
        {"f", {Font}},
        {"fs", {FontSize}},
        {"cf", {Colour}},
        {"b", {Bold}},
        {"i", {Italic}},
        {"ul", {Underline}},
        {"ulnone", {UnderlineNone}},
        {"plain", {Plain}},
        {"pard", {ParagraphDefaults}},
        {"li", {LeftIndent}},
        {"fi", {FirstLineIndent}},
        {"ri", {RightIndent}},
        {"sb", {SpaceBefore}},
        {"sa", {SpaceAfter}},
        {"ql", {AlignLeft}},
        {"qc", {AlignCentre}},
        {"qr", {AlignRight}},
        {"qj", {Justify}},
        {"par", {Paragraph}},
        {"tab", {Character, u'\t'}},
        {"line", {Character, u'\u2028'}},
        {"emdash", {Character, u'\u2014'}},
        {"endash", {Character, u'\u2013'}},
        {"emspace", {Character, u'\u2003'}},
        {"enspace", {Character, u'\u2002'}},
        {"bullet", {Character, u'\u2022'}},
        {"lquote", {Character, u'\u2018'}},
        {"rquote", {Character, u'\u2019'}},
        {"ldblquote", {Character, u'\u201c'}},
        {"rdblquote", {Character, u'\u201d'}},
        {"u", {Unicode}},
        {"uc", {UnicodeFallbackLength}},
        {"deff", {DefaultFont}},
        {"ansicpg", {CodePage}},
    };
    return words;
}

} // namespace

RtfControlWordMeaning rtfControlWordMeaning(QByteArrayView name) {
    const auto &words = knownWords();
    const auto found = words.find(std::string_view(name.data(), name.size()));
    return found != words.end() ? found->second : RtfControlWordMeaning{};
}
