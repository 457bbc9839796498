#include <gtest/gtest.h>

#include "pages/ControlTypes.h"

namespace {

struct TypeCase {
    const char* type;
    const char* className;
    uint32_t style;
    uint32_t exStyle;
};

class ControlTypeTable : public ::testing::TestWithParam<TypeCase> {};

TEST_P(ControlTypeTable, GivesClassStyleAndExtendedStyle) {
    const TypeCase& c = GetParam();
    const ControlWindowKind kind = ControlWindowKindOf(c.type);
    EXPECT_EQ(kind.ClassName, c.className) << c.type;
    EXPECT_EQ(kind.Style, c.style) << c.type;
    EXPECT_EQ(kind.ExStyle, c.exStyle) << c.type;
}

INSTANTIATE_TEST_SUITE_P(
    Types, ControlTypeTable,
    ::testing::Values(TypeCase{"CHECKBOX", "BUTTON", 0x50000003, 0}, TypeCase{"CHECKBOX_BTNSTYLE", "BUTTON", 0x50001003, 0},
                      TypeCase{"OPTION", "BUTTON", 0x50000009, 0}, TypeCase{"OPTION_BTNSTYLE", "BUTTON", 0x50001009, 0},
                      TypeCase{"LABEL", "STATIC", 0x50000000, 0}, TypeCase{"EDIT", "EDIT", 0x50000000, 0x280},
                      // Any other text is a class name with the base style:
                      // "BUTTON" makes a plain push button.
                      TypeCase{"BUTTON", "BUTTON", 0x50000000, 0},
                      TypeCase{"msctls_progress32", "msctls_progress32", 0x50000000, 0},
                      // Types compare exactly: lower case is a class name.
                      TypeCase{"checkbox", "checkbox", 0x50000000, 0}, TypeCase{"Edit", "Edit", 0x50000000, 0},
                      TypeCase{"CHECKBOX ", "CHECKBOX ", 0x50000000, 0}, TypeCase{"", "", 0x50000000, 0}),
    [](const ::testing::TestParamInfo<TypeCase>& info) { return "Row" + std::to_string(info.index); });

} // namespace
