// Window titles, byte for byte, in both languages.
#include "windows/window_titles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/case_name.h"

namespace {

const Captions kEnglish{"2017", false};
const Captions kRussian{"2017", true};

struct TitleCase {
    std::string name;
    std::function<std::string()> make;
    std::string expected;
};

class WindowTitle : public testing::TestWithParam<TitleCase> {};

TEST_P(WindowTitle, IsExact) { EXPECT_EQ(GetParam().make(), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Titles, WindowTitle,
    testing::Values(
        TitleCase{"SetupEnglish", [] { return SetupTitle(kEnglish); }, "Setup KOLVEX-2017"},
        TitleCase{"SetupRussian", [] { return SetupTitle(kRussian); }, "Установки KOLVEX-2017"},
        TitleCase{"PrevOpenedEnglish", [] { return PrevQsoOpenedTitle(kEnglish); },
                  "KOLVEX-2017 Previous, QSO"},
        TitleCase{"PrevOpenedRussian", [] { return PrevQsoOpenedTitle(kRussian); },
                  "KOLVEX-2017 Предыдущие QSO"},
        TitleCase{"PrevEnglish", [] { return PrevQsoTitle(kEnglish); }, "KOLVEX-2017 Previous QSO"},
        TitleCase{"PrevRussian", [] { return PrevQsoTitle(kRussian); },
                  "KOLVEX-2017 Предыдущие QSO"},
        TitleCase{"WorkedWithEnglishEndsInBlank",
                  [] { return WorkedWithTitle(kEnglish, "DL1ABC"); },
                  "KOLVEX-2017 worked with DL1ABC "},
        TitleCase{"WorkedWithRussian", [] { return WorkedWithTitle(kRussian, "DL1ABC"); },
                  "KOLVEX-2017 Работал с DL1ABC"},
        TitleCase{"WorkedWithPercentCallVerbatim",
                  [] { return WorkedWithTitle(kEnglish, "%s%n%d"); },
                  "KOLVEX-2017 worked with %s%n%d "},
        TitleCase{"WorkedWithNulByteKept",
                  [] { return WorkedWithTitle(kEnglish, std::string("A\0B", 3)); },
                  std::string("KOLVEX-2017 worked with A\0B ", 28)},
        TitleCase{"WorkedWithHugeCall",
                  [] { return WorkedWithTitle(kEnglish, std::string(100000, 'W')); },
                  "KOLVEX-2017 worked with " + std::string(100000, 'W') + " "},
        TitleCase{"MultiplierEnglish", [] { return MultiplierTitle(kEnglish, "20m"); },
                  "KOLVEX-2017 EA100DX worked on 20m"},
        TitleCase{"MultiplierRussian", [] { return MultiplierTitle(kRussian, "20m"); },
                  "KOLVEX-2017 Отработано стран EA100DX на 20m"},
        TitleCase{"ProvinceEnglish", [] { return ProvinceTitle(kEnglish, "40m", 3); },
                  "EA Prov - worked on 40m 3 of 52"},
        TitleCase{"ProvinceRussian", [] { return ProvinceTitle(kRussian, "40m", 53); },
                  "EA Провинции - отработано на 40m 53 из 52"},
        TitleCase{"CallAreaBlanksAround", [] { return CallAreaTitle("10m"); }, " Call_Area 10m"},
        TitleCase{"EmptyYear", [] { return SetupTitle(Captions{}); }, "Setup KOLVEX-"}),
    CaseName());

}  // namespace
