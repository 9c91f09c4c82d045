#pragma once

// The few declarations of Firebird's classic client API that the program calls. They
// are written here, not taken from ibase.h, so that building needs no Firebird package:
// the client library is found and loaded only at run time.

#include "platform/SystemTraits.h"

#include <cstdint>
#include <type_traits>

namespace database::firebird {

// The client's handles: 32-bit numbers in a 64-bit build, pointers in a 32-bit one.
using Handle = std::conditional_t<sizeof(void*) == 8, unsigned int, void*>;

using Status = intptr_t;
inline constexpr int StatusLength = 20;
using StatusVector = Status[StatusLength];

struct SqlVariable {
    int16_t sqltype;
    int16_t sqlscale;
    int16_t sqlsubtype;
    int16_t sqllen;
    char* sqldata;
    int16_t* sqlind;
    int16_t sqlname_length;
    char sqlname[32];
    int16_t relname_length;
    char relname[32];
    int16_t ownname_length;
    char ownname[32];
    int16_t aliasname_length;
    char aliasname[32];
};

struct SqlDescriptorArea {
    int16_t version;
    char sqldaid[8];
    int32_t sqldabc;
    int16_t sqln;
    int16_t sqld;
    SqlVariable sqlvar[1];
};

// A BLOB's id as a row carries it.
struct BlobId {
    int32_t high;
    uint32_t low;
};

// One database of a transaction start, as isc_start_multiple reads it.
struct TransactionDatabase {
    Handle* database;
    int tpbLength;
    const char* tpb;
};

inline constexpr int16_t SqlDescriptorVersion = 1;
inline constexpr int16_t SqlText = 452;
inline constexpr int16_t SqlVarying = 448;
inline constexpr int16_t SqlShort = 500;
inline constexpr int16_t SqlLong = 496;
inline constexpr int16_t SqlFloat = 482;
inline constexpr int16_t SqlDouble = 480;
inline constexpr int16_t SqlInt64 = 580;
inline constexpr int16_t SqlBlob = 520;
inline constexpr int16_t SqlNullableFlag = 1;

inline constexpr char DpbVersion1 = 1;
inline constexpr char DpbUserName = 28;
inline constexpr char DpbPassword = 29;
inline constexpr char DpbLcCtype = 48;
inline constexpr char DpbConnectTimeout = 57;
inline constexpr char DpbSqlDialect = 63;
inline constexpr char DpbUtf8FileName = 77;

inline constexpr char TpbVersion3 = 3;
inline constexpr char TpbNoWait = 7;
inline constexpr char TpbRead = 8;
inline constexpr char TpbReadCommitted = 15;
inline constexpr char TpbRecordVersion = 17;

inline constexpr uint16_t DsqlDrop = 2;
inline constexpr Status FetchEnd = 100;
inline constexpr Status SegmentIncomplete = 335544366; // isc_segment
inline constexpr Status SegmentsEnd = 335544367;       // isc_segstr_eof

extern "C" {
using AttachDatabase = Status(ASR_SYSTEM_CALL*)(Status*, short, const char*, Handle*, short,
                                                const char*);
using DetachDatabase = Status(ASR_SYSTEM_CALL*)(Status*, Handle*);
using StartMultiple = Status(ASR_SYSTEM_CALL*)(Status*, Handle*, short, void*);
using CommitTransaction = Status(ASR_SYSTEM_CALL*)(Status*, Handle*);
using RollbackTransaction = Status(ASR_SYSTEM_CALL*)(Status*, Handle*);
using AllocateStatement = Status(ASR_SYSTEM_CALL*)(Status*, Handle*, Handle*);
using PrepareStatement = Status(ASR_SYSTEM_CALL*)(Status*, Handle*, Handle*, unsigned short,
                                                  const char*, unsigned short, SqlDescriptorArea*);
using DescribeStatement = Status(ASR_SYSTEM_CALL*)(Status*, Handle*, unsigned short,
                                                   SqlDescriptorArea*);
using ExecuteStatement = Status(ASR_SYSTEM_CALL*)(Status*, Handle*, Handle*, unsigned short,
                                                  const SqlDescriptorArea*);
using FetchRow = Status(ASR_SYSTEM_CALL*)(Status*, Handle*, unsigned short,
                                          const SqlDescriptorArea*);
using FreeStatement = Status(ASR_SYSTEM_CALL*)(Status*, Handle*, unsigned short);
using OpenBlob = Status(ASR_SYSTEM_CALL*)(Status*, Handle*, Handle*, Handle*, BlobId*,
                                          unsigned short, const unsigned char*);
using GetSegment = Status(ASR_SYSTEM_CALL*)(Status*, Handle*, unsigned short*, unsigned short,
                                            char*);
using CloseBlob = Status(ASR_SYSTEM_CALL*)(Status*, Handle*);
using Interpret = int32_t(ASR_SYSTEM_CALL*)(char*, unsigned int, const Status**);
}

} // namespace database::firebird
