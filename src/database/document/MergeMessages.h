// What the program says when another program changed the database file: the
// question of a save that found the file changed, the question before replacing
// a file that no longer reads as a database, the report of what a merge brought
// in, and the notice of a reload that cannot read the changed file. strName is
// the file's name as the title shows it.
#pragma once

#include "database/core/DatabaseCodec.h"
#include "database/core/EntryMerge.h"

CString ChangedFileQuestion(const CString& strName);
CString NotDatabaseQuestion(const CString& strName, DatabaseStatus status);
// What the file brought into this window's entries (the merge's counts against
// the other side), its conflicts, and, for a merge without a usable ancestor,
// the entries to review. Rows are numbered from 1, as the user counts them.
CString MergeReport(const CString& strName, const MergeResult& result);
CString UnreadableChangeNotice(const CString& strName, DatabaseStatus status);
