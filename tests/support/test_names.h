// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

// Names for value-parameterised cases. GoogleTest allows only letters, digits and '_' there,
// and without a name a case shows up as its index and a dump of its bytes.
namespace tallimer::test_names {

// A case's own description: each run of other characters becomes one '_'.
std::string fromDescription(std::string_view text);

// An input, telling apart inputs that differ only in blanks or marks: those are spelled out
// ("-2.5" is minus_2_dot_5, " 1" is space_1, an empty input is "empty").
std::string fromInput(QStringView text);
std::string fromInput(std::string_view utf8);

// An input in double quotes for a case's description, its control characters escaped so that
// a listing of the cases keeps one case to a line.
std::string quoted(QStringView text);

// Names a case by its own `name` field.
struct ByName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return fromDescription(info.param.name);
    }
};

}  // namespace tallimer::test_names
