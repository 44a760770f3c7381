#include "forms/options/ZnNotifyXml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>

namespace znp::notify {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Attribute(const std::string& name, const std::string& value) {
    return " " + name + "=\"" + EscapeXml(value) + "\"";
}

// Whether a text declares a document type or an entity anywhere (not only at its start: a
// declaration after a comment still counts).
bool DeclaresDocumentType(const std::string& text) {
    const std::string lower = Lower(text);
    return lower.find("<!doctype") != std::string::npos || lower.find("<!entity") != std::string::npos;
}

bool Load(pugi::xml_document& doc, const std::string& text) {
    // Default parsing skips a document type and expands only the predefined entities.
    return doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
}

}  // namespace

std::string EscapeXml(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\t': out += "&#9;"; break;
            case '\n': out += "&#10;"; break;
            case '\r': out += "&#13;"; break;
            default:
                // Other control characters cannot appear in XML 1.0 at all.
                if (static_cast<unsigned char>(c) < 0x20) break;
                out += c;
        }
    }
    return out;
}

std::string DefaultRecipients(const std::string& userId) {
    return std::string(kXmlDeclaration) + "<Root><R1" + Attribute("ID", userId) +
           " Name=\"\" Type=\"5\" Msg=\"YNN\"/></Root>";
}

std::vector<RecipientRow> ParseRecipients(const std::string& xml, const std::string& typeText) {
    std::vector<RecipientRow> rows(1);
    if (xml.size() > kMaxAnswerBytes || DeclaresDocumentType(xml)) return rows;
    pugi::xml_document doc;
    if (!Load(doc, xml)) return rows;
    const pugi::xml_node root = doc.document_element();
    if (!root) return rows;
    size_t count = 0;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element) ++count;
    if (count == 0) return rows;
    rows.assign(count, RecipientRow{});
    for (size_t b = 1; b <= count; ++b) {
        const pugi::xml_node element = root.child(("R" + std::to_string(b)).c_str());
        if (!element) continue;
        RecipientRow& row = rows[b - 1];
        if (auto a = element.attribute("ID")) row[0] = a.value();
        if (auto a = element.attribute("Name")) row[1] = a.value();
        if (auto a = element.attribute("Mob")) row[2] = a.value();
        if (auto a = element.attribute("Mail")) row[3] = a.value();
        const std::string type = element.attribute("Type").value();
        if (!type.empty() && !typeText.empty() && type[0] == typeText[0]) row[4] = typeText;
        const std::string msg = element.attribute("Msg").value();
        for (size_t i = 0; i < 3; ++i)
            if (i < msg.size() && msg[i] == 'Y') row[5 + i] = "Y";
    }
    return rows;
}

std::string BuildRecipients(const std::vector<RecipientRow>& rows) {
    std::string elements;
    int k = 0;
    for (const RecipientRow& row : rows) {
        if (row[0].empty()) continue;
        elements += "<R" + std::to_string(++k) + Attribute("ID", row[0]) + Attribute("Name", row[1]);
        if (!row[2].empty()) elements += Attribute("Mob", row[2]);
        if (!row[3].empty()) elements += Attribute("Mail", row[3]);
        if (!row[4].empty()) elements += Attribute("Type", row[4].substr(0, 1));
        elements += Attribute("Msg", row[5] + row[6] + row[7]) + "/>";
    }
    if (k == 0) return "N";
    return std::string(kXmlDeclaration) + "<Root>" + elements + "</Root>";
}

std::string PortalLocale(const std::string& uiCodePage) {
    if (uiCodePage == "936") return "zh_CN";
    if (uiCodePage == "950") return "zh_TW";
    return "ch_US";
}

std::string PortalRequest(const std::string& userId, const std::string& companyId, const std::string& uiCodePage) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Request>   <Access>     <Authentication user=\"" +
           EscapeXml(userId) + "\" password=\"\"/> " + "    <Connection application=\"VELMO\" source=\"\"/> " +
           "    <Organization name=\"" + EscapeXml(companyId) + "\"/> " + "    <Locale language=\"" +
           PortalLocale(uiCodePage) + "\"/> " + "  </Access> " + "  <RequestContent/> " + "</Request>";
}

std::string NormaliseXml(const std::string& text) {
    std::string head = Lower(text.substr(0, 100));
    for (size_t at; (at = head.find("\r\n")) != std::string::npos;) head.erase(at, 2);
    const bool hasDoctype = head.find("<!doctype") != std::string::npos;
    const std::string doctype = "<!DOCTYPE SC[<!ENTITY stdd \"&amp;stdd;\">]>";
    if (head.rfind("<?xml", 0) == 0) {
        std::string result = text;
        const size_t end = result.find("?>");
        if (end == std::string::npos) return result;
        if (!hasDoctype) result.insert(end + 2, doctype);
        if (head.find("encoding=") == std::string::npos) result.insert(end, " encoding=\"GB2312\"");
        return result;
    }
    return std::string(kXmlDeclaration) + (hasDoctype ? "" : doctype) + text;
}

PortalAnswer ReadPortalAnswer(const std::string& answer) {
    PortalAnswer result;
    if (answer.size() > kMaxAnswerBytes) {
        result.Error = "the answer is too large";
        return result;
    }
    // The answer's own document type would be read with the one NormaliseXml adds; neither is
    // needed, and an answer that brings its own is not trusted.
    if (DeclaresDocumentType(answer)) {
        result.Error = "the answer declares a document type";
        return result;
    }
    pugi::xml_document doc;
    if (!Load(doc, NormaliseXml(answer)) || !doc.document_element()) {
        result.Error = "the answer is not XML";
        return result;
    }
    try {
        result.Code = doc.select_node("//Status[@code]").node().attribute("code").value();
        result.Description = doc.select_node("//Status[@Description]").node().attribute("Description").value();
        for (const pugi::xpath_node& record : doc.select_nodes("//Record")) {
            const pugi::xml_node id = record.node().select_node("Field[@name='Id']").node();
            if (!id) continue;
            const pugi::xml_node name = record.node().select_node("Field[@name='Name']").node();
            result.Users.push_back({id.attribute("value").value(), name.attribute("value").value()});
        }
    } catch (const pugi::xpath_exception& e) {
        result.Error = e.what();
        return result;
    }
    result.Ok = result.Code == "0";
    if (!result.Ok) result.Error = result.Description;
    return result;
}

}  // namespace znp::notify
