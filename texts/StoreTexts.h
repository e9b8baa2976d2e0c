// SPDX-License-Identifier: MIT
#pragma once

#include "BilingualText.h"

// What the user is told when the database refuses a step.
namespace StoreText {
inline constexpr BilingualText OpenDatabaseFailed{"Open database fail!", "数据库打开失败！"};
inline constexpr BilingualText QueryLibraryTableFailed{"Query color card library table fail!",
                                                       "查询色卡库表失败！"};
inline constexpr BilingualText CreateLibraryTableFailed{"Create color card library table fail!",
                                                        "创建色卡库表失败！"};
inline constexpr BilingualText CreateColorTableFailed{"Create color card data table fail!",
                                                      "创建色卡数据表失败！"};
inline constexpr BilingualText InsertLibraryFailed{"Insert color card library fail!",
                                                   "插入色卡库失败！"};
inline constexpr BilingualText InsertColorFailed{"Insert color card data fail!",
                                                 "插入色卡数据失败！"};
inline constexpr BilingualText RenameLibraryFailed{"Modify color card library name fail!",
                                                   "修改色卡库名称失败！"};
inline constexpr BilingualText UpdateCountFailed{"Update color card library count fail!",
                                                 "更新色卡库数量失败！"};
inline constexpr BilingualText RenameColorFailed{"Modify color card name fail!",
                                                 "修改色卡名称失败！"};
inline constexpr BilingualText UpdateColorFailed{"Update color card data fail!",
                                                 "更新色卡数据失败！"};
inline constexpr BilingualText QueryColorNameFailed{"Query color card name fail！",
                                                    "查询色卡名称失败！"};
inline constexpr BilingualText QueryLibrariesFailed{"Query color card library fail！",
                                                    "查询色卡库失败！"};
inline constexpr BilingualText QueryColorsFailed{"Query color card data fail！",
                                                 "查询色卡数据失败！"};
inline constexpr BilingualText DropColorTableFailed{"Delete color card data table fail！",
                                                    "删除色卡数据表失败！"};
inline constexpr BilingualText DeleteLibraryFailed{"Delete color card library fail！",
                                                   "删除色卡库失败！"};
inline constexpr BilingualText DeleteColorFailed{"Delete color card fail！", "删除色卡失败！"};
inline constexpr BilingualText DeleteDatabaseFileFailed{"Delete database file fail！",
                                                        "删除数据库文件失败！"};
// A change whose steps all ran but could not be made lasting: nothing of it stays.
inline constexpr BilingualText CommitFailed{
    "The change could not be saved to the database, nothing was changed!",
    "无法将更改保存到数据库，未做任何更改！"};
}  // namespace StoreText
