// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Writing the libraries to the meter and exporting them from it.
namespace TransferText {
inline constexpr BilingualText NothingToWrite{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText", "The color card library is empty, unable to download!",
                       "NothingToWrite")};
inline constexpr BilingualText AddColorsFirst{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText", "Please add color cards first, then download again!",
                       "AddColorsFirst")};
// %1: the first library without colours.
inline constexpr BilingualText EmptyLibrary{
    "TransferText",
    QT_TRANSLATE_NOOP3(
        "TransferText",
        "The quantity of color card %1 is 0. Please delete the color card and download again!",
        "EmptyLibrary")};
inline constexpr BilingualText WriteMismatch{
    "TransferText", QT_TRANSLATE_NOOP3("TransferText", "Write content mismatch, unable to write!",
                                       "WriteMismatch")};
inline constexpr BilingualText PayloadError{
    "TransferText", QT_TRANSLATE_NOOP3("TransferText", "Excel file error!", "PayloadError")};
inline constexpr BilingualText Writing{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText", "Writing meter data, please wait", "Writing")};
// %1: the number of the package, from 1.
inline constexpr BilingualText PackageNotWritten{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText",
                       "Failed to write %1 package standard color card data to port!",
                       "PackageNotWritten")};
inline constexpr BilingualText Written{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText", "Successfully written the color card to the instrument!",
                       "Written")};
inline constexpr BilingualText Exporting{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText", "Exporting meter data, please wait", "Exporting")};
inline constexpr BilingualText StoringExport{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText", "Writing to database, please wait", "StoringExport")};
inline constexpr BilingualText Exported{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText", "Export the color card data success!", "Exported")};
inline constexpr BilingualText ExportedImplausible{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText",
                       "%1 exported colors have L*a*b* values outside L* -10 to 150, a* and b* "
                       "-200 to 200, the first \"%2\" in the library \"%3\": they were kept as the "
                       "meter holds them, please check them!",
                       "ExportedImplausible")};

// Failed steps of the transfers.
inline constexpr BilingualText WriteTotalNotWritten{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText",
                       "Failed to write the total number of standard color cards and ports!",
                       "WriteTotalNotWritten")};
inline constexpr BilingualText WriteTotalNoReply{
    "TransferText",
    QT_TRANSLATE_NOOP3(
        "TransferText",
        "No message was received regarding the total number of standard color cards written!",
        "WriteTotalNoReply")};
inline constexpr BilingualText WriteTotalBadReply{
    "TransferText", QT_TRANSLATE_NOOP3("TransferText",
                                       "There is an error in the message received for writing the "
                                       "total number of standard color cards!",
                                       "WriteTotalBadReply")};
inline constexpr BilingualText WriteTotalMismatch{
    "TransferText", QT_TRANSLATE_NOOP3("TransferText",
                                       "写标准色卡总数,Write the total number of standard color "
                                       "cards, data error, unable to write!",
                                       "WriteTotalMismatch")};
inline constexpr BilingualText WriteInfoNotWritten{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText", "Writing standard color card information and port failed!",
                       "WriteInfoNotWritten")};
inline constexpr BilingualText WriteInfoNoReply{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText",
                       "No message received for writing standard color card information!",
                       "WriteInfoNoReply")};
inline constexpr BilingualText WriteInfoBadReply{
    "TransferText",
    QT_TRANSLATE_NOOP3(
        "TransferText",
        "The message received for writing standard color card information is incorrect!",
        "WriteInfoBadReply")};
inline constexpr BilingualText WriteInfoMismatch{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText",
                       "Writing standard color card information, data error, unable to write!",
                       "WriteInfoMismatch")};
inline constexpr BilingualText EmptyPacketNotWritten{
    "TransferText", QT_TRANSLATE_NOOP3("TransferText", "Failed to write empty packet message!",
                                       "EmptyPacketNotWritten")};
inline constexpr BilingualText EmptyPacketNoReply{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText",
                       "After writing an empty packet message, no message was received!",
                       "EmptyPacketNoReply")};
inline constexpr BilingualText EmptyPacketBadReply{
    "TransferText", QT_TRANSLATE_NOOP3("TransferText", "Writing failed!", "EmptyPacketBadReply")};
inline constexpr BilingualText ReadTotalNotWritten{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText",
                       "Failed to read the total number of standard color cards and ports!",
                       "ReadTotalNotWritten")};
inline constexpr BilingualText ReadTotalNoReply{
    "TransferText",
    QT_TRANSLATE_NOOP3(
        "TransferText",
        "No message was received regarding the total number of standard color cards read!",
        "ReadTotalNoReply")};
inline constexpr BilingualText ReadTotalBadReply{
    "TransferText", QT_TRANSLATE_NOOP3("TransferText",
                                       "There is an error in the message received for reading the "
                                       "total number of standard color cards!",
                                       "ReadTotalBadReply")};
inline constexpr BilingualText ReadInfoNotWritten{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText", "Reading standard color card information and port failed!",
                       "ReadInfoNotWritten")};
inline constexpr BilingualText ReadInfoNoReply{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText",
                       "No message received for reading standard color card information!",
                       "ReadInfoNoReply")};
inline constexpr BilingualText ReadInfoBadReply{
    "TransferText",
    QT_TRANSLATE_NOOP3(
        "TransferText",
        "The message received for reading standard color card information is incorrect!",
        "ReadInfoBadReply")};
inline constexpr BilingualText ReadDataNotWritten{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText", "Reading standard color card data and port failed!",
                       "ReadDataNotWritten")};
inline constexpr BilingualText ReadDataNoReply{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText", "No message received for reading standard color card data!",
                       "ReadDataNoReply")};
inline constexpr BilingualText ReadDataBadReply{
    "TransferText",
    QT_TRANSLATE_NOOP3("TransferText",
                       "The message received for reading standard color card data is incorrect!",
                       "ReadDataBadReply")};
}  // namespace TransferText

}  // namespace colorcard
