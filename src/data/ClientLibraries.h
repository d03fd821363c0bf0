#pragma once

#include <libpq-fe.h>
#include <sodium.h>
#include <sqlite3.h>

// The engines' own client libraries and the password hash's, reached at run
// time rather than linked: the program starts without loading any of them
// (libpq alone brings some twenty more libraries), and loads one only when it
// first reads rows through it or first checks a changed password. SQLite is
// the copy Qt's SQLite driver has already loaded; libpq the one Qt's
// PostgreSQL driver uses. A library that cannot be loaded, or lacks a
// function, throws DbError naming it.
namespace ClientLibraries {

// The functions of each library the program calls, each resolved once.
#define VORNICK_LIBPQ_FUNCTIONS(X)                                                                                   \
    X(PQcancel) X(PQclear) X(PQerrorMessage) X(PQfreeCancel) X(PQgetCancel) X(PQgetResult) X(PQgetisnull)            \
    X(PQgetlength) X(PQgetvalue) X(PQpingParams) X(PQresultErrorField) X(PQresultStatus) X(PQsendQueryParams)        \
    X(PQsetSingleRowMode)
#define VORNICK_SQLITE_FUNCTIONS(X)                                                                                  \
    X(sqlite3_backup_finish) X(sqlite3_backup_init) X(sqlite3_backup_step) X(sqlite3_bind_int64) X(sqlite3_bind_null) \
    X(sqlite3_bind_text) X(sqlite3_busy_timeout) X(sqlite3_close_v2) X(sqlite3_column_blob) X(sqlite3_column_bytes)   \
    X(sqlite3_column_int64) X(sqlite3_column_text) X(sqlite3_column_type) X(sqlite3_errmsg) X(sqlite3_finalize)     \
    X(sqlite3_open_v2) X(sqlite3_prepare_v2) X(sqlite3_step)
#define VORNICK_SODIUM_FUNCTIONS(X) X(sodium_init) X(crypto_pwhash_str) X(crypto_pwhash_str_verify)
#define VORNICK_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;

struct Libpq {
    VORNICK_LIBPQ_FUNCTIONS(VORNICK_FUNCTION_POINTER)
};
struct Sqlite {
    VORNICK_SQLITE_FUNCTIONS(VORNICK_FUNCTION_POINTER)
};
struct Sodium {
    VORNICK_SODIUM_FUNCTIONS(VORNICK_FUNCTION_POINTER)
};

#undef VORNICK_FUNCTION_POINTER

const Libpq& Pq();
const Sqlite& Lite();
const Sodium& PasswordHash();

}
