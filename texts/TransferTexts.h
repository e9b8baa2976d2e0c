// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

// Writing the libraries to the meter and exporting them from it.
namespace TransferText {
inline constexpr BilingualText NothingToWrite{
    "The color card library is empty, unable to download!", "色卡库数据为空，无法下载!"};
inline constexpr BilingualText AddColorsFirst{"Please add color cards first, then download again!",
                                              "请先添加色卡，再重新下载!"};
// %1: the first library without colours.
inline constexpr BilingualText EmptyLibrary{
    "The quantity of color card %1 is 0. Please delete the color card and download again!",
    "色卡%1数量为0，请删除色卡后重新下载!"};
inline constexpr BilingualText WriteMismatch{"Write content mismatch, unable to write!",
                                             "写入内容不匹配，无法写入!"};
inline constexpr BilingualText PayloadError{"Excel file error!", "Excel文件有错误！"};
inline constexpr BilingualText Writing{"Writing meter data, please wait",
                                       "正在将数据写入仪器，请等待..."};
// %1: the number of the package, from 1.
inline constexpr BilingualText PackageNotWritten{
    "Failed to write %1 package standard color card data to port!",
    "写%1包标准色卡数据写端口失败！"};
inline constexpr BilingualText Written{"Successfully written the color card to the instrument!",
                                       "写入色卡到仪器成功！"};
inline constexpr BilingualText Exporting{"Exporting meter data, please wait",
                                         "正在导出仪器数据，请等待..."};
inline constexpr BilingualText StoringExport{"Writing to database, please wait",
                                             "正在写入数据库，请等待..."};
inline constexpr BilingualText Exported{"Export the color card data success!",
                                        "导出仪器色卡数据成功！"};
inline constexpr BilingualText ExportedImplausible{
    "%1 exported colors have L*a*b* values outside L* -10 to 150, a* and b* -200 to 200, the "
    "first \"%2\" in the library \"%3\": they were kept as the meter holds them, please check "
    "them!",
    "导出的%1个颜色的L*a*b*值超出L* -10至150、a*和b* -200至200的范围，第一个是色卡库“%3”中的“%2”："
    "已按仪器中的值保存，请检查！"};

// Failed steps of the transfers.
inline constexpr BilingualText WriteTotalNotWritten{
    "Failed to write the total number of standard color cards and ports!",
    "写标准色卡总数写端口失败！"};
inline constexpr BilingualText WriteTotalNoReply{
    "No message was received regarding the total number of standard color cards written!",
    "写标准色卡总数没有接收到报文！"};
inline constexpr BilingualText WriteTotalBadReply{
    "There is an error in the message received for writing the total number of standard color "
    "cards!",
    "写标准色卡总数接收到的报文有错误！"};
inline constexpr BilingualText WriteTotalMismatch{
    "写标准色卡总数,Write the total number of standard color cards, data error, unable to write!",
    "写标准色卡总数,数据出错，无法写入！"};
inline constexpr BilingualText WriteInfoNotWritten{
    "Writing standard color card information and port failed!", "写标准色卡信息写端口失败！"};
inline constexpr BilingualText WriteInfoNoReply{
    "No message received for writing standard color card information!",
    "写标准色卡信息没有接收到报文！"};
inline constexpr BilingualText WriteInfoBadReply{
    "The message received for writing standard color card information is incorrect!",
    "写标准色卡信息接收到的报文有错误！"};
inline constexpr BilingualText WriteInfoMismatch{
    "Writing standard color card information, data error, unable to write!",
    "写标准色卡信息，数据出错，无法写入！"};
inline constexpr BilingualText EmptyPacketNotWritten{"Failed to write empty packet message!",
                                                     "写空包报文不成功！"};
inline constexpr BilingualText EmptyPacketNoReply{
    "After writing an empty packet message, no message was received!",
    "写空包报文后没有接收到报文！"};
inline constexpr BilingualText EmptyPacketBadReply{"Writing failed!", "写入不成功！"};
inline constexpr BilingualText ReadTotalNotWritten{
    "Failed to read the total number of standard color cards and ports!",
    "读标准色卡总数写端口失败！"};
inline constexpr BilingualText ReadTotalNoReply{
    "No message was received regarding the total number of standard color cards read!",
    "读标准色卡总数没有接收到报文！"};
inline constexpr BilingualText ReadTotalBadReply{
    "There is an error in the message received for reading the total number of standard color "
    "cards!",
    "读标准色卡总数接收到的报文有错误！"};
inline constexpr BilingualText ReadInfoNotWritten{
    "Reading standard color card information and port failed!", "读标准色卡信息写端口失败！"};
inline constexpr BilingualText ReadInfoNoReply{
    "No message received for reading standard color card information!",
    "读标准色卡信息没有接收到报文！"};
inline constexpr BilingualText ReadInfoBadReply{
    "The message received for reading standard color card information is incorrect!",
    "读标准色卡信息接收到的报文有错误！"};
inline constexpr BilingualText ReadDataNotWritten{
    "Reading standard color card data and port failed!", "读标准色卡数据写端口失败！"};
inline constexpr BilingualText ReadDataNoReply{
    "No message received for reading standard color card data!", "读标准色卡数据没有接收到报文！"};
inline constexpr BilingualText ReadDataBadReply{
    "The message received for reading standard color card data is incorrect!",
    "读标准色卡数据接收到的报文有错误！"};
}  // namespace TransferText
