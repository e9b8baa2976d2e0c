// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Managing libraries and colours on the page.
namespace LibraryText {
inline constexpr BilingualText EnterName{"Please input color card library name!",
                                         "请输入色卡库名称！"};
inline constexpr BilingualText EnterDescription{"Please input color card library description!",
                                                "请输入色卡库描述！"};
inline constexpr BilingualText UnsafeName{
    "A name or description cannot hold control characters or text direction marks!",
    "名称或描述不能含有控制字符或文字方向标记！"};
inline constexpr BilingualText NameTooLong{
    "Color card library name and color card library description length at most 18 characters!",
    "色卡库名称和色卡库描述总长度不能超过18个字符！"};
inline constexpr BilingualText SameLibraryExists{
    "The same name and description already exist, please modify the name or description!",
    "已经存在相同的名称和描述，请修改名称或者描述！"};
// %1: the most libraries there may be.
inline constexpr BilingualText TooManyLibraries{"At most %1 color card!", "最多录%1本色卡!"};
inline constexpr BilingualText ConfirmDeleteLibrary{
    "Delete the color card library, all color card data in this library will be deleted. Are "
    "you sure you want to delete it?",
    "删除色卡库，该色卡库的所有色卡数据将被删除，是否确认删除？"};
inline constexpr BilingualText LibraryLocked{
    "The color card library is currently locked, please unlock it first and then delete it!",
    "该色卡库正被锁定，请先解锁，再删除！"};
inline constexpr BilingualText SameColorName{
    "The same color card name already exist, please modify the color card name!",
    "已经存在相同的色卡名称，请修改色卡名称！"};
inline constexpr BilingualText ColorNameEmpty{"Color card name can not be empty!",
                                              "色卡名称不能为空！"};
inline constexpr BilingualText CreateAndSelectLibrary{
    "Please create color card library and select color card library name!",
    "请创建并选择色卡库名称！"};
// %1: the most colours there may be.
inline constexpr BilingualText TooManyColors{"At most %1 color datas!", "最多录%1条色卡数据!"};
inline constexpr BilingualText ConfirmDeleteAll{
    "Deleting all color card data will clear the database and all data. Are you sure you want "
    "to delete it?",
    "删除所有色卡数据，会清空数据库和清空所有数据，是否确认删除？"};
inline constexpr BilingualText UpdatingPage{"Updating ui data, please wait",
                                            "正在更新界面数据，请等待..."};
// %1 the most libraries, %2 the libraries there are.
inline constexpr BilingualText ImportTooManyLibraries{
    "At most %1 color cards, and already %2 color cards, importing has exceeded the limit!",
    "最多录%1本色卡，已经存在%2本色卡，本次导入已超过上限!"};
// %1 the most colours, %2 the colours stored, %3 the colours coming, %4 the
// number of the library that stopped the merge.
inline constexpr BilingualText ImportTooManyColors{
    "At most %1 color datas, and already %2 color datas, importing %3 color datas has exceeded "
    "the limit, from %4 color card import fail!",
    "最多录%1条色卡数据，已经存在%2条色卡数据，本次导入%3条已超过上限，从第%4本色卡开始导出失败!"};
// %1 name, %2 description of a library that is stored already.
inline constexpr BilingualText ConfirmOverwrite{
    "Color card library name: %1, color card library description: %2, already exists, do you "
    "want to overwrite the old color card library?",
    "色卡库名称：%1，色卡库描述：%2，已经存在，是否覆盖旧的色卡库？"};
}  // namespace LibraryText
