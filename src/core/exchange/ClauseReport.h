// What one dating clause was read as, told in words (UTF-8, in the core's
// text language): the sentences `quindor-cli feastdate` prints and the list
// dater writes into its columns, so that the two never differ.
//
//   const CClauseResult r = ReadDatingClause(cp1252, options);
//   if (r.readings.empty()) err << ClauseRefusal(text, r);
//   else out << ClauseReadingSentence(text, r.readings[0]);
#pragma once

#include "church/Clause.h"

#include <string>
#include <string_view>
#include <vector>

// How far a clause can be trusted. The keys stay in English in every
// language, as the columns and the CLI's keys do.
enum class EClauseCertainty : int { Sure, Doubtful, Several, Refused };
inline constexpr int kClauseCertainties = 4;
std::string_view ClauseCertaintyKey(EClauseCertainty certainty);
// Refused without a reading, several with more than one, else the one
// reading's own certainty.
EClauseCertainty ClauseCertaintyOf(const CClauseResult& result);

// An error message's short form of a text: quoted "so" (« ainsi » in
// French), cut to 60 characters with "...", control characters escaped,
// on one line and valid UTF-8 whatever the text holds.
std::string QuotedText(std::string_view utf8);

// "Tuesday after Laetare 1523: Laetare is 15 March 1523 by the Julian
// computus, so 17 March 1523", with the usage and an assumed year after it.
std::string ClauseReadingSentence(std::string_view utf8Text, const CClauseReading& reading);
// "doubtful: unread: 'Stadt'" or "sure": the CLI's certainty line.
std::string ClauseCertaintyText(const CClauseReading& reading);
// The elements the reader does not check, then the reading's own checks,
// one line each: the CLI's "check" lines.
std::vector<std::string> ClauseCheckLines(const CClauseResult& result,
                                          const CClauseReading& reading);
// Why a clause gave no day: "\"Foo\": no feast or saint is named \"Foo\"".
// The candidates are already as they are to be shown. A clause that gives
// no year says to give one with --year when yearOption is set, else that
// the row gives none.
std::string ClauseRefusal(std::string_view utf8Text, const CClauseResult& result,
                          bool yearOption = true);
