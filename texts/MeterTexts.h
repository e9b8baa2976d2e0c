// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Identifying the meter, measuring, and what follows a change of instrument.
namespace MeterText {
inline constexpr BilingualText OpenLinkFirst{
    "MeterText", QT_TRANSLATE_NOOP3("MeterText", "Please open connect first！", "OpenLinkFirst")};
inline constexpr BilingualText SelectLibrary{
    "MeterText",
    QT_TRANSLATE_NOOP3("MeterText", "Please select color card library name！", "SelectLibrary")};
inline constexpr BilingualText LockLibrary{
    "MeterText",
    QT_TRANSLATE_NOOP3("MeterText", "Please lock color card library name！", "LockLibrary")};
inline constexpr BilingualText MeasureBadReply{
    "MeterText",
    QT_TRANSLATE_NOOP3("MeterText", "Read measure data receive data error!", "MeasureBadReply")};
inline constexpr BilingualText MeasureNoReply{
    "MeterText",
    QT_TRANSLATE_NOOP3("MeterText", "Read measure data receive fail！", "MeasureNoReply")};
inline constexpr BilingualText MeasureNotWritten{
    "MeterText",
    QT_TRANSLATE_NOOP3("MeterText", "Read measure data write fail！", "MeasureNotWritten")};
inline constexpr BilingualText KeyInformationFailed{
    "MeterText",
    QT_TRANSLATE_NOOP3("MeterText", "Read key information fail!", "KeyInformationFailed")};
inline constexpr BilingualText MeterInformationFailed{
    "MeterText",
    QT_TRANSLATE_NOOP3("MeterText", "Read meter information fail!", "MeterInformationFailed")};
inline constexpr BilingualText MeterModelFailed{
    "MeterText", QT_TRANSLATE_NOOP3("MeterText", "Read meter model fail!", "MeterModelFailed")};
// Shown as the model of a meter the device settings do not list.
inline constexpr BilingualText UnknownModel{
    "MeterText", QT_TRANSLATE_NOOP3("MeterText", "Unknown", "UnknownModel")};
// The older identity request's failures exist in Chinese only.
inline constexpr BilingualText ProductionNotWritten{
    "MeterText",
    QT_TRANSLATE_NOOP3("MeterText", "读取生产信息写端口失败！", "ProductionNotWritten"),
    BilingualText::ChineseOnly{}};
inline constexpr BilingualText ProductionNoReply{
    "MeterText",
    QT_TRANSLATE_NOOP3("MeterText", "读取生产信息接收端口报文失败！", "ProductionNoReply"),
    BilingualText::ChineseOnly{}};
inline constexpr BilingualText ProductionBadReply{
    "MeterText",
    QT_TRANSLATE_NOOP3("MeterText", "读取生产信息接收的报文格式错误！", "ProductionBadReply"),
    BilingualText::ChineseOnly{}};
inline constexpr BilingualText ProductionChecksum{
    "MeterText",
    QT_TRANSLATE_NOOP3("MeterText", "读取生产信息checksum错误！", "ProductionChecksum"),
    BilingualText::ChineseOnly{}};
inline constexpr BilingualText SaveBeforeInstrumentChange{
    "MeterText", QT_TRANSLATE_NOOP3("MeterText",
                                    "Detected that the new instrument will clear all data. Please "
                                    "save the current data to Excel first. Do you want to save it?",
                                    "SaveBeforeInstrumentChange")};
inline constexpr BilingualText NoAccess{
    "MeterText",
    QT_TRANSLATE_NOOP3(
        "MeterText",
        "The meter was found but cannot be opened: this user has no access to it. Install the udev "
        "rule 70-colorcard-meter.rules (see README), then plug the meter in again.",
        "NoAccess")};
}  // namespace MeterText

}  // namespace colorcard
