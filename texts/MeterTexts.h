// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Identifying the meter, measuring, and what follows a change of instrument.
namespace MeterText {
inline constexpr BilingualText OpenLinkFirst{"Please open connect first！", "请先打开连接！"};
inline constexpr BilingualText SelectLibrary{"Please select color card library name！",
                                             "请先选择色卡库名称！"};
inline constexpr BilingualText LockLibrary{"Please lock color card library name！",
                                           "请先锁定色卡库名称！"};
inline constexpr BilingualText MeasureBadReply{"Read measure data receive data error!",
                                               "读取测量数据接收的报文格式错误！"};
inline constexpr BilingualText MeasureNoReply{"Read measure data receive fail！",
                                              "读取测量数据接收端口报文失败！"};
inline constexpr BilingualText MeasureNotWritten{"Read measure data write fail！",
                                                 "读取测量数据写端口失败！"};
inline constexpr BilingualText KeyInformationFailed{"Read key information fail!",
                                                    "读取关键信息失败！"};
inline constexpr BilingualText MeterInformationFailed{"Read meter information fail!",
                                                      "读取仪器信息失败！"};
inline constexpr BilingualText MeterModelFailed{"Read meter model fail!", "读取仪器型号失败！"};
// Shown as the model of a meter the device settings do not list.
inline constexpr BilingualText UnknownModel{"Unknown", "未知设备"};
// The older identity request's failures exist in Chinese only.
inline constexpr BilingualText ProductionNotWritten{"", "读取生产信息写端口失败！"};
inline constexpr BilingualText ProductionNoReply{"", "读取生产信息接收端口报文失败！"};
inline constexpr BilingualText ProductionBadReply{"", "读取生产信息接收的报文格式错误！"};
inline constexpr BilingualText ProductionChecksum{"", "读取生产信息checksum错误！"};
inline constexpr BilingualText SaveBeforeInstrumentChange{
    "Detected that the new instrument will clear all data. Please save the current data to "
    "Excel first. Do you want to save it?",
    "检测到新仪器会清空所有数据，请您先保存当前数据到Excel，是否保存？"};
inline constexpr BilingualText NoAccess{
    "The meter was found but cannot be opened: this user has no access to it. Install the udev "
    "rule 70-colorcard-meter.rules (see README), then plug the meter in again.",
    "已检测到仪器，但无法打开：当前用户无权访问该设备。请安装 udev 规则 "
    "70-colorcard-meter.rules（见 README），然后重新插入仪器。"};
}  // namespace MeterText
