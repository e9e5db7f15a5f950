#pragma once

#include <string_view>

// The program's own message texts, shown exactly as they stand.
inline constexpr std::string_view kMsgSizeOutsideRange = "输入尺寸与尺寸段不匹配";
inline constexpr std::string_view kMsgEnterValidSize = "请输入正确尺寸";
inline constexpr std::string_view kMsgTableFileUnreadable = "文件读取失败,请检查配置文件";
inline constexpr std::string_view kMsgNoDeviationForGrade = "没有符合选项的偏差值";
inline constexpr std::string_view kMsgNoFundamentalDeviation = "没有对应的基本偏差数值，请重新选择";
