#include "printing/ReportText.h"

namespace {

ReportTextTable BuildReportText() {
    ReportTextTable t;
    t.FileNameLabel = {"File Name", "文件名"};
    t.SelectAll = {"Select &All", "选择所有(&A)"};
    t.ClearAll = {"&Clear All", "清除所有(&C)"};
    t.SetUp = {"&Set", "设置(&S)"};
    t.Item = {{
        {"Channel Infomation", "信道信息"},
        {"VHF Channel Infomation", "VHF信道信息"},
        {"Radio Channel Infomation", "Radio信道信息"},
        {"Option", "功能设定"},
        {"DTMF", "DTMF"},
        {"2Tone", "2Tone"},
        {"5Tone", "5Tone"},
        {"Communication Book", "通信簿"},
        {"Embedded Message", "嵌入信息"},
    }};
    t.ReportTitle = {"KQ_314 Radio Programming Information", "KQ_314 对讲机编程信息"};
    t.OK = {"&OK", "确定(&O)"};
    t.Cancel = {"&Cancel", "取消(&C)"};
    t.ModelLabel = {"Model Type", "机型类型"};
    t.EmptySelection = {"Please select printing items.", "请选择打印项目。"};
    t.OnOffText = {{{"OFF", "关"}, {"ON", "开"}}};
    return t;
}

}  // namespace

const ReportTextTable& ReportText() {
    static const ReportTextTable table = BuildReportText();
    return table;
}

void InitPrintText() { (void)ReportText(); }

std::string OnOffText(int value) {
    if (value < 0 || value > 1) return {};
    return ReportText().OnOffText[static_cast<size_t>(value)].shown();
}

std::string SwitchText(int value) {
    std::string text = OnOffText(value);
    return text.empty() ? std::to_string(value) : text;
}
