#include "settings/EmbedInfoTexts.h"

#include "core/TextCodec.h"

EmbedCaptions EmbedCaptionsOf(int16_t langIndex) {
    if (langIndex == 1)
        return {"Embedded Message",
                "Dealer Information",
                "Area Code",
                {"Manufacture Code", "Radio Type", "Frequency", "Serial Number", "Producted Date", "Maintained Date",
                 "Maintained", "Description", "Version", "User Code", "Dealer Code", "Stock Date", "Sell Date",
                 "Seller"}};
    return {"嵌入信息",
            "经销商信息",
            "销售区号",
            {"生产批号", "机型", "频段", "序列号", "出厂日期", "维修日期", "维修原因", "", "固件版本", "客户代码",
             "经销商代码", "入库时间", "销售时间", "经手人"}};
}

std::array<std::string, kEmbedBoxes> EmbedInfoBoxTexts(const EmbedInfoData& info) {
    return {
        TrimFixStr(info.AreaCode),
        info.SerialNo.value(),
        info.ProduceDate.value(),
        info.MaintainDate.value(),
        info.MaintainReason.value(),
        info.Version,
        info.ManufactureCode.value(),
        info.UserCode.value(),
        info.DealerCode.value(),
        info.StockDate.value(),
        info.SellDate.value(),
        info.Seller.value(),
    };
}
