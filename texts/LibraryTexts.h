// SPDX-License-Identifier: MIT
#pragma once

#include "texts/BilingualText.h"

namespace colorcard {

// Managing libraries and colours on the page.
namespace LibraryText {
inline constexpr BilingualText EnterName{
    "LibraryText",
    QT_TRANSLATE_NOOP3("LibraryText", "Please input color card library name!", "EnterName")};
inline constexpr BilingualText EnterDescription{
    "LibraryText", QT_TRANSLATE_NOOP3("LibraryText", "Please input color card library description!",
                                      "EnterDescription")};
inline constexpr BilingualText UnsafeName{
    "LibraryText",
    QT_TRANSLATE_NOOP3(
        "LibraryText",
        "A name or description cannot hold control characters or text direction marks!",
        "UnsafeName")};
inline constexpr BilingualText NameTooLong{
    "LibraryText",
    QT_TRANSLATE_NOOP3(
        "LibraryText",
        "Color card library name and color card library description length at most 18 characters!",
        "NameTooLong")};
inline constexpr BilingualText SameLibraryExists{
    "LibraryText",
    QT_TRANSLATE_NOOP3(
        "LibraryText",
        "The same name and description already exist, please modify the name or description!",
        "SameLibraryExists")};
// %1: the most libraries there may be.
inline constexpr BilingualText TooManyLibraries{
    "LibraryText", QT_TRANSLATE_NOOP3("LibraryText", "At most %1 color card!", "TooManyLibraries")};
inline constexpr BilingualText ConfirmDeleteLibrary{
    "LibraryText",
    QT_TRANSLATE_NOOP3("LibraryText",
                       "Delete the color card library, all color card data in this library will be "
                       "deleted. Are you sure you want to delete it?",
                       "ConfirmDeleteLibrary")};
inline constexpr BilingualText LibraryLocked{
    "LibraryText",
    QT_TRANSLATE_NOOP3(
        "LibraryText",
        "The color card library is currently locked, please unlock it first and then delete it!",
        "LibraryLocked")};
inline constexpr BilingualText SameColorName{
    "LibraryText",
    QT_TRANSLATE_NOOP3("LibraryText",
                       "The same color card name already exist, please modify the color card name!",
                       "SameColorName")};
inline constexpr BilingualText ColorNameEmpty{
    "LibraryText",
    QT_TRANSLATE_NOOP3("LibraryText", "Color card name can not be empty!", "ColorNameEmpty")};
inline constexpr BilingualText CreateAndSelectLibrary{
    "LibraryText",
    QT_TRANSLATE_NOOP3("LibraryText",
                       "Please create color card library and select color card library name!",
                       "CreateAndSelectLibrary")};
// %1: the most colours there may be.
inline constexpr BilingualText TooManyColors{
    "LibraryText", QT_TRANSLATE_NOOP3("LibraryText", "At most %1 color datas!", "TooManyColors")};
inline constexpr BilingualText ConfirmDeleteAll{
    "LibraryText", QT_TRANSLATE_NOOP3("LibraryText",
                                      "Deleting all color card data will clear the database and "
                                      "all data. Are you sure you want to delete it?",
                                      "ConfirmDeleteAll")};
inline constexpr BilingualText UpdatingPage{
    "LibraryText",
    QT_TRANSLATE_NOOP3("LibraryText", "Updating ui data, please wait", "UpdatingPage")};
// %1 the most libraries, %2 the libraries there are.
inline constexpr BilingualText ImportTooManyLibraries{
    "LibraryText",
    QT_TRANSLATE_NOOP3(
        "LibraryText",
        "At most %1 color cards, and already %2 color cards, importing has exceeded the limit!",
        "ImportTooManyLibraries")};
// %1 the most colours, %2 the colours stored, %3 the colours coming, %4 the
// number of the library that stopped the merge.
inline constexpr BilingualText ImportTooManyColors{
    "LibraryText",
    QT_TRANSLATE_NOOP3("LibraryText",
                       "At most %1 color datas, and already %2 color datas, importing %3 color "
                       "datas has exceeded the limit, from %4 color card import fail!",
                       "ImportTooManyColors")};
// %1 name, %2 description of a library that is stored already.
inline constexpr BilingualText ConfirmOverwrite{
    "LibraryText",
    QT_TRANSLATE_NOOP3("LibraryText",
                       "Color card library name: %1, color card library description: %2, already "
                       "exists, do you want to overwrite the old color card library?",
                       "ConfirmOverwrite")};
}  // namespace LibraryText

}  // namespace colorcard
