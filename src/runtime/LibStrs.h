// String, date and number utilities of the library: free functions without state that show
// nothing and run in the calling thread.
//
// Texts are byte strings; lengths and positions count bytes. Every search for a separator or a
// sub-text keeps double-byte characters whole: a GBK or Big5 trail byte can equal "\", "|", ";" or
// an ASCII letter and must never be found as one. Which bytes start a double-byte character is
// decided by a code page, the last parameter of these functions. It defaults to the process's
// ANSI code page (AnsiCodePage(): the code page in which the platform holds byte texts and shows
// them, so the one in which the forms' texts reach these functions); a caller that knows its texts
// are in another code page (a form showing Big5 on a GB machine) passes that code page instead.
//
// Dates: a date value is an OLE date (days since 30 December 1899, the fraction the time of day),
// 0 meaning no date. A date text is yyyymmdd. Date types 1-5 choose the layout shown to the user:
// 1 y/m/d, 2 m/d/y, 3 d/m/y, 4 and 5 y/m/d with the Minguo year (year - 1911) in at least two
// or three digits. The date functions never raise: unreadable or invalid input gives 0, the empty
// text or false.
#pragma once

#include <any>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Kvtr42C/Variant.h"
#include "platform/Calendar.h"
#include "platform/SystemInfo.h"

namespace znp {

class TComponent;
class TWinControl;

// ---- Pieces of a text (LibStrsTokens.cpp) -------------------------------------------------------

// Byte position of the first occurrence of Pattern at or after From that starts on a character
// boundary, or npos. An empty Pattern never occurs.
std::size_t FindText(const std::string& text, const std::string& pattern, std::size_t from = 0,
                     const std::string& codePage = AnsiCodePage());

// The N-th piece (N from 1) of Text cut at every Separator; empty when there are fewer than N
// pieces or N < 1. A text ending with the separator has an empty last piece. An empty separator
// never occurs, so the whole text is piece 1.
std::string GetToken(const std::string& text, const std::string& separator, int n,
                     const std::string& codePage = AnsiCodePage());
// 0 for the empty text, otherwise the number of occurrences of Separator plus one.
int CountTokens(const std::string& text, const std::string& separator, const std::string& codePage = AnsiCodePage());
// Takes the first piece off Text and returns it; without a separator, the whole text goes and
// Text becomes empty.
std::string SplitFirst(std::string& text, const std::string& separator, const std::string& codePage = AnsiCodePage());
// Every piece of Text cut at Separator, as GetToken would give them one by one, found in one walk
// over the text (reading N pieces with GetToken walks the text N times). The empty text is one
// empty piece; an empty separator leaves the text whole.
std::vector<std::string> SplitTokens(const std::string& text, const std::string& separator,
                                     const std::string& codePage = AnsiCodePage());

// Text padded with PadChar up to Width bytes; a longer text is returned whole.
std::string PadRight(const std::string& text, int width, char padChar = ' ');

// Replaces Old by New (matched with case) until Old no longer occurs, each search starting again
// at the beginning; nothing when Old and New differ only in the case of ASCII letters (or Old is
// empty). When New contains Old, a repeated search would never end: then every occurrence of
// the original text is replaced once, left to right. TrimResult removes leading and trailing
// blanks and control characters afterwards.
std::string ReplaceText(const std::string& text, const std::string& oldText, const std::string& newText,
                        bool trimResult, const std::string& codePage = AnsiCodePage());

// ---- Dates (LibStrsDates.cpp) ---------------------------------------------------------------------

// The date in the layout of DateType with the first character of Separator between the fields;
// empty for date 0, a date outside the years 1-9999 or an unknown type. Type 1 without separator
// is the date text yyyymmdd.
std::string FormatDateByType(int dateType, const std::string& separator, double date);
// Year and month in the layout of DateType, the same way.
std::string FormatYearMonthByType(int dateType, const std::string& separator, double date);
// A typed date read in the layout of DateType, the fields cut at Separator; a day beyond the end
// of the month runs into the next months (2024/02/30 is 1 March 2024). 0 when a field is no
// positive integer, the year or month is invalid, or the result lies after 31 December 9999.
double ParseDateByType(const std::string& text, int dateType, const std::string& separator);
// A date text read as a date value; 0 when it is not eight characters or no valid date.
double ParseYYYYMMDD(const std::string& text);
// The same as a day of the calendar, which keeps 18991230 (date value 0) apart from no date.
std::optional<DayNumber> DayOfDateText(const std::string& text);
// Whether a date field may hold Text: empty, or eight digits forming a real date from 17530101 to
// 99991231.
bool IsValidYYYYMMDD(const std::string& text);
// Date (a date text as byte or wide string, or a date value) moved by N units ("Y", "M" or "D",
// any case) as a date text. Years keep the date when the day does not exist in the new year
// (29 February, or a year outside 1-9999); months clamp the day to the month's end. Empty for an
// unreadable date, date 0, another unit, or months and days that leave the years 1-9999.
std::string AddToDate(const Variant& date, const std::string& unit, int n);
// Days of the month in the Gregorian calendar; 0 for a month outside 1-12.
int DaysInMonth(int year, int month);

// Civil date <-> date value; TryEncodeDate gives false for an invalid date or a year outside 1-9999,
// TryDecodeDate for a date value outside those years (the time of day is dropped).
bool TryEncodeDate(int year, int month, int day, double& date);
bool TryDecodeDate(double date, int& year, int& month, int& day);

// ---- Variants and code pages (LibStrsMisc.cpp, LibStrsCodePages.cpp) ------------------------------

// A copy of WhenTrue or of WhenFalse.
Variant IfThen(bool condition, const Variant& whenTrue, const Variant& whenFalse);
// Whether Value is empty or null (a blank text is not).
bool IsEmptyOrNull(const Variant& value);

// Code pages are named as the settings name them: "936", "950", "437". When the code page is one
// the system cannot convert with, the ANSI code page is used instead.
std::string WideToCodePage(const std::u16string& text, const std::string& codePage);
std::u16string CodePageToWide(const std::string& text, const std::string& codePage);
// A copy of Value in which wide texts became byte texts of CodePage: a single text as a whole,
// the wide-text elements of a one-dimensional array and of the arrays nested in it, and the
// wide-text elements of a two-dimensional array. On a failure the copy made so far is returned
// and the failure logged to the daily log "libstrs".
Variant VariantToCodePage(const Variant& value, const std::string& codePage);
// The same walk the other way: every wide text (and a single byte text) narrowed with the ANSI
// code page and read again as CodePage, which repairs texts decoded with the wrong code page.
Variant VariantFromCodePage(const Variant& value, const std::string& codePage);

// Prefix, 0x03, the text of Values[0] (the count c), 0x03, then Values[1..c] each followed by
// 0x03. Raises EVariantError when Values is no array or holds fewer than c entries.
std::u16string BuildCountedList(const std::u16string& prefix, const Variant& values);

// ---- Small helpers (LibStrsMisc.cpp) -------------------------------------------------------------

// Text entered under edit mask Mask: the characters of its input positions, laid out again under
// NewMask (as that edit's text); with an empty NewMask just those characters.
std::string ReformatMaskText(const std::string& text, const std::string& mask, const std::string& newMask,
                             const std::string& codePage = AnsiCodePage());
// The caption of a message-box button by the button's name; other names unchanged.
std::string ButtonCaption(const std::string& name);
// Text read as a decimal number with "." as decimal point whatever the locale (surrounding
// blanks, a sign and an exponent allowed); Default when the whole text is no finite number.
double StrToFloatDef(const std::string& text, double defaultValue);
// True exactly for "127.0.0.1".
bool IsLocalHost(const std::string& address);
// The folder for temporary files, ending with "/".
std::string TempFolder();

// ---- Published properties by name (LibStrsProps.cpp) ---------------------------------------------
//
// Names are matched without regard to case. A missing component, an empty name or an unknown
// property never raises: Has answers false, the getters their empty value, the setters do
// nothing. A value the property itself refuses (an enumeration name it does not have, a text
// that is no number for an integer) reaches the caller as the property's own error.

bool HasPropByName(const TComponent* component, const std::string& name);
// The value as text: a string as it is, an enumeration or Boolean by its value name ("sp_Range",
// "True"), a set as "[a,b]", numbers in decimal.
std::string GetStrPropByName(const TComponent* component, const std::string& name);
// Sets from text: enumerations and Booleans take their value names, sets "[a,b]", numbers their
// decimal text.
void SetStrPropByName(TComponent* component, const std::string& name, const std::string& value);
// Ordinal properties (integer, character, enumeration, set, Boolean) by their ordinal value.
long GetOrdPropByName(const TComponent* component, const std::string& name);
void SetOrdPropByName(TComponent* component, const std::string& name, long value);
// Event properties: the handler (a TEvent held in std::any); empty when there is none.
std::any GetMethodPropByName(const TComponent* component, const std::string& name);
void SetMethodPropByName(TComponent* component, const std::string& name, const std::any& handler);

// Sends Control a left-button-down message, then a left-button-up message, with these parameters.
void SimulateClick(TWinControl* control, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace znp
