#pragma once
// Names table rows after what they hold: the row as it prints (its PrintTo
// or operator<<), kept to the letters and digits a test name may have, after
// the row's number, so every row is unique and a failure says which row it
// was without a byte dump.

#include <gtest/gtest.h>

#include <string>

struct RowName {
    template <class P>
    std::string operator()(const ::testing::TestParamInfo<P>& info) const {
        const std::string printed = ::testing::PrintToString(info.param);
        std::string name = "Row" + std::to_string(info.index);
        bool gap = true;
        for (const char c : printed) {
            const bool letter =
                (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            if (!letter) {
                gap = true;
                continue;
            }
            if (name.size() >= 60)
                break;
            if (gap)
                name += '_';
            name += c;
            gap = false;
        }
        return name;
    }
};
