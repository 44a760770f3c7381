// The web report ("web报表"): the job is registered and run in its web form, then the viewer page
// of the configured web report site is opened in a browser window. The address carries the job's
// keys as they are; the site decodes nothing.
#include <cmath>
#include <cstdio>

#include "platform/SysUtils.h"
#include "forms/report/BaseRpt.h"
#include "forms/report/RunningWinCF.h"
#include "platform/Buttons.h"
#include "platform/ClassRegistry.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/ShellVerbs.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

// Puts ProgramKind back to "R" and enables the button on every way out of the handler.
class WebReportExit {
public:
    WebReportExit(TfrmBaseRpt& form, TControl* button) : form_(form), button_(button) {
        if (button_) button_->SetEnabled(false);
    }
    ~WebReportExit() {
        form_.ProgramKind = "R";
        if (button_) button_->SetEnabled(true);
    }
    WebReportExit(const WebReportExit&) = delete;
    WebReportExit& operator=(const WebReportExit&) = delete;

private:
    TfrmBaseRpt& form_;
    TControl* button_;
};

}  // namespace

std::string TfrmBaseRpt::WebCulture(const std::string& uiCodePage) {
    if (uiCodePage == "437") return "en";
    if (uiCodePage == "936") return "zh-CHS";
    return "zh-CHT";
}

std::string TfrmBaseRpt::SendKeyOf(double moment) {
    int year = 0, month = 0, day = 0;
    if (!TryDecodeDate(moment, year, month, day)) return "";
    // Whole seconds of the day; rounding never carries into the next day, as the date is
    // already decoded.
    long long seconds = std::llround((moment - std::floor(moment)) * 86400.0);
    if (seconds > 86399) seconds = 86399;
    if (seconds < 0) seconds = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02lld%02lld%02lld", year, month, day, seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    return text;
}

std::string TfrmBaseRpt::WebReportAddress(const std::string& site, const std::string& jobNumber,
                                          const std::string& sendKey) const {
    const std::string mainTable = ProgramId + jobNumber + ReportNumberOf(jobNumber) + Output.FormatCode;
    return site + "/Server/ReportView.aspx" + "?" + "UserID=" + UserId + "&" + "CompanyID=" + CompanyId + "&" +
           "DbName=" + DbName + "&" + "Culture=" + WebCulture(UICodePage()) + "&" + "ReportID=" + ProgramId + "&" +
           "ExtName=" + Output.FormatCode + "&" + "MainTable=" + mainTable + "&" + "IsPageBreak='N'" + "&" +
           "SendKey=" + sendKey;
}

bool TfrmBaseRpt::WebReportSite(std::string& site) {
    site.clear();
    Variant data;
    if (!QueryWithMessage("CMSMA", "02", "N", -1, data, Variant::ArrayOf({Variant("")}))) return false;
    if (data.IsArray() && data.DimCount() == 1 && data.HighBound() >= data.LowBound())
        site = VarToStr(data[data.LowBound()]);
    return true;
}

bool TfrmBaseRpt::CheckWebAddress(const std::string& address) {
    try {
        Variant request = CreateOleObject(kHttpRequestClass);
        OleCall(request, "open", {Variant("Get"), Variant(address), Variant(false)});
        OleCall(request, "send");
        return true;
    } catch (const std::exception& e) {
        RecordError(e.what());
    }
    std::string failed;
    GetLangText("TfrmBaseRpt", "sFailedReason", failed, false, "web报表网址配置不正确或无法访问！");
    ShowDialog(ToUI(failed + "\r" + MessageTextLog), TMsgDlgType::mtError, mbOK);
    return false;
}

void TfrmBaseRpt::OpenWebAddress(const std::string& address) {
    try {
        Variant browser = CreateOleObject(kBrowserClass);
        OleSet(browser, "Visible", Variant(true));
        OleSet(browser, "left", Variant(0));
        OleSet(browser, "top", Variant(0));
        OleSet(browser, "height", Variant(720));
        OleSet(browser, "width", Variant(1024));
        OleSet(browser, "menubar", Variant(0));
        OleSet(browser, "addressbar", Variant(false));
        OleSet(browser, "toolbar", Variant(0));
        std::vector<Variant> args{Variant(address)};
        OleCall(browser, "Navigate", args);
        return;
    } catch (const std::exception& e) {
        RecordError(e.what());
    }
    ShellVerb("open", address);
}

void TfrmBaseRpt::btnWebDesignClick(TObject*) {
    WebReportExit exit(*this, btnWebDesign);
    std::string jobNumber;
    if (!RegisterAndRunForOpening(true, jobNumber)) return;
    ShowRunningWin();
    std::string site;
    bool done = false;
    if (!WebReportSite(site)) {
        ShowDialog("WebReportSiteUrl not Exists, Please Check the table WebReportConfig", TMsgDlgType::mtError, mbOK);
    } else {
        const std::string address = WebReportAddress(site, jobNumber, SendKeyOf(Now()));
        if (CheckWebAddress(address)) OpenWebAddress(address);
        done = true;
    }
    if (!done) {
        std::string text;
        GetLangText("TfrmBaseRpt", "sFailedOpenRep", text, true, "开启报表失败! ");
        ShowDialog(text, TMsgDlgType::mtError, mbOK);
    }
    CloseRunningWin();
}

}  // namespace znp
