// Checks the licence text shipped beside the program: it must read as sensible French prose.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/richtext/RichTextReader.h"
#include "core/text/Text.h"

namespace quillex {
namespace {

const RichDocument& Licence() {
    static const RichDocument document = ReadRichTextFile(QUILLEX_SOURCE_DIR "/Licence.rtf");
    return document;
}

bool IsHeading(const RichParagraph& paragraph) {
    return !paragraph.runs.empty() && std::all_of(paragraph.runs.begin(), paragraph.runs.end(),
                                                  [](const RichRun& run) { return run.bold; });
}

int ParagraphWith(std::u16string_view text) {
    const auto& paragraphs = Licence().paragraphs;
    for (size_t i = 0; i < paragraphs.size(); ++i)
        if (paragraphs[i].text().find(text) != std::u16string::npos) return static_cast<int>(i);
    return -1;
}

TEST(licence_file, opens_with_a_bold_title_naming_the_program) {
    ASSERT_FALSE(Licence().paragraphs.empty());
    const auto& title = Licence().paragraphs.front();
    EXPECT_TRUE(IsHeading(title));
    EXPECT_EQ(title.text(), u"Quillex — Contrat de licence");
}

TEST(licence_file, states_the_gpl_and_where_its_full_text_is) {
    EXPECT_GE(ParagraphWith(u"version\u00A03 de cette licence, soit (à votre choix) toute version "
                            u"ultérieure"),
              0);
    EXPECT_GE(ParagraphWith(u"SANS AUCUNE GARANTIE"), 0);
    EXPECT_GE(ParagraphWith(u"fichier LICENSE fourni avec le programme"), 0);
}

TEST(licence_file, names_each_data_source_under_a_bold_heading) {
    const int heading = ParagraphWith(u"Dictionnaires\u00A0: sources et licences");
    ASSERT_GE(heading, 0);
    EXPECT_TRUE(IsHeading(Licence().paragraphs[heading]));
    for (std::u16string_view source :
         {u"Dicollecte", u"python3-grammalecte", u"MPL-2.0", u"mythes-fr", u"LGPL-2.1",
          u"Glossaire des mots de deux et trois lettres"}) {
        EXPECT_GT(ParagraphWith(source), heading) << ToUtf8(source);
    }
}

TEST(licence_file, shows_no_rtf_markup_and_decodes_its_accents) {
    for (const auto& paragraph : Licence().paragraphs) {
        const auto text = paragraph.text();
        EXPECT_EQ(text.find_first_of(u"\\{}"), std::u16string::npos) << ToUtf8(text);
        EXPECT_EQ(text.find(u"  "), std::u16string::npos) << ToUtf8(text);
    }
    EXPECT_GE(ParagraphWith(u"Licence publique générale GNU"), 0);
    EXPECT_GE(ParagraphWith(u"Thésaurus de LibreOffice"), 0);
}

}  // namespace
}  // namespace quillex
