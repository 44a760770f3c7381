// The XML texts of the completion notification: the recipient list that travels with a request,
// the portal's request for its users and the reading of its answer.
//
// Texts are bytes in the form's code page (GBK or Big5); only the ASCII characters that XML
// reserves are escaped, which never cuts a double-byte character (no trail byte is below 0x40).
// Answers are parsed without any document type: an answer that declares one (or an entity) is
// refused, so nothing is ever fetched or expanded.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace znp::notify {

inline constexpr const char* kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"GB2312\"?>";

// One grid row: ID, name, mobile, mail, type text, message, short message, mail switch.
using RecipientRow = std::array<std::string, 8>;

// The default list: the user as a portal recipient with only the on-screen message on.
std::string DefaultRecipients(const std::string& userId);

// The rows of a recipient list. TypeText is the one type the dialog offers: a recipient's type
// shows only when its Type is that text's first character. A text that is not a recipient list
// ("N", empty, not XML, a document type) gives one empty row; a missing element "R<b>" leaves
// row b empty; unknown attributes are ignored.
std::vector<RecipientRow> ParseRecipients(const std::string& xml, const std::string& typeText);

// The list of the rows whose ID is not empty, numbered R1, R2, ... in row order; "N" when none.
std::string BuildRecipients(const std::vector<RecipientRow>& rows);

// XML attribute text with & < > " and control characters escaped.
std::string EscapeXml(const std::string& text);

// The locale of the portal request for a user-interface code page.
std::string PortalLocale(const std::string& uiCodePage);
// The request for "PORTAL.getAllUser".
std::string PortalRequest(const std::string& userId, const std::string& companyId, const std::string& uiCodePage);

// Prepares an answer for parsing: the declaration (with its encoding) in front, and the document
// type the web service's answers are read with.
std::string NormaliseXml(const std::string& text);

struct PortalUser {
    std::string Id, Name;
};

struct PortalAnswer {
    // False when the answer could not be read or reports a failure; Error says why.
    bool Ok = false;
    std::string Error;
    // The status code of the answer ("0" success) and its description.
    std::string Code, Description;
    std::vector<PortalUser> Users;
};

// Answers larger than this are refused unread.
inline constexpr size_t kMaxAnswerBytes = 8 * 1024 * 1024;

// Reads an answer of the portal (as it arrived, before NormaliseXml): the status of the first
// "//Status[@code]" node, the description of the first "//Status[@Description]" node, and the
// users of the "//Record" nodes in document order (fields "Id" and "Name"; a record without an Id
// field is skipped).
PortalAnswer ReadPortalAnswer(const std::string& answer);

}  // namespace znp::notify
