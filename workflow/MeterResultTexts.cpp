// SPDX-License-Identifier: MIT
#include "workflow/MeterResultTexts.h"

#include "texts/MeterTexts.h"
#include "texts/TransferTexts.h"

namespace colorcard {

namespace {

struct Entry {
    MeterStep step;
    MeterResult result;
    const BilingualText* text;
};

using R = MeterResult;
using S = MeterStep;

// The one table from a request's result to its message.
const Entry kTable[] = {
    {S::Measure, R::NotWritten, &MeterText::MeasureNotWritten},
    {S::Measure, R::NoReply, &MeterText::MeasureNoReply},
    {S::Measure, R::BadReply, &MeterText::MeasureBadReply},
    {S::ReadProduction, R::NotWritten, &MeterText::ProductionNotWritten},
    {S::ReadProduction, R::NoReply, &MeterText::ProductionNoReply},
    {S::ReadProduction, R::BadReply, &MeterText::ProductionBadReply},
    {S::ReadProduction, R::CheckMismatch, &MeterText::ProductionChecksum},
    {S::WriteTotal, R::NotWritten, &TransferText::WriteTotalNotWritten},
    {S::WriteTotal, R::NoReply, &TransferText::WriteTotalNoReply},
    {S::WriteTotal, R::BadReply, &TransferText::WriteTotalBadReply},
    {S::WriteTotal, R::CheckMismatch, &TransferText::WriteTotalMismatch},
    {S::WriteInfo, R::NotWritten, &TransferText::WriteInfoNotWritten},
    {S::WriteInfo, R::NoReply, &TransferText::WriteInfoNoReply},
    {S::WriteInfo, R::BadReply, &TransferText::WriteInfoBadReply},
    {S::WriteInfo, R::CheckMismatch, &TransferText::WriteInfoMismatch},
    {S::WriteEmptyPacket, R::NotWritten, &TransferText::EmptyPacketNotWritten},
    {S::WriteEmptyPacket, R::NoReply, &TransferText::EmptyPacketNoReply},
    {S::WriteEmptyPacket, R::BadReply, &TransferText::EmptyPacketBadReply},
    {S::ReadTotal, R::NotWritten, &TransferText::ReadTotalNotWritten},
    {S::ReadTotal, R::NoReply, &TransferText::ReadTotalNoReply},
    {S::ReadTotal, R::BadReply, &TransferText::ReadTotalBadReply},
    {S::ReadInfo, R::NotWritten, &TransferText::ReadInfoNotWritten},
    {S::ReadInfo, R::NoReply, &TransferText::ReadInfoNoReply},
    {S::ReadInfo, R::BadReply, &TransferText::ReadInfoBadReply},
    {S::ReadData, R::NotWritten, &TransferText::ReadDataNotWritten},
    {S::ReadData, R::NoReply, &TransferText::ReadDataNoReply},
    {S::ReadData, R::BadReply, &TransferText::ReadDataBadReply},
};

}  // namespace

const BilingualText* meterResultText(MeterStep step, MeterResult result) {
    for (const Entry& entry : kTable)
        if (entry.step == step && entry.result == result)
            return entry.text;
    return nullptr;
}

}  // namespace colorcard
