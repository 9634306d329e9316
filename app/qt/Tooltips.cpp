#include "app/qt/Tooltips.h"

#include <QWidget>

namespace gui {
namespace {

// Said the same way in both windows.
constexpr const char* kPadCommands =
    "全：11个号都点黄；清：都取消；添加：把点黄的号码写成一行，加到左边的框里";
constexpr const char* kResultList = "缩水后剩下的注，每行一注";
constexpr const char* kIntersection = "打开交集工具：求两组号码的交集、并集或差集";
constexpr const char* kSaveScheme = "把现在的全部缩水条件存成一个方案文件，下次可以载入";
constexpr const char* kLoadScheme = "载入保存过的方案文件：全部缩水条件换成方案里的条件";

constexpr const char* kAny5Bankers =
    "点绿本组胆码：每注含有的本组胆码个数必须是右边点绿的个数之一（不选个数时至少1个）；"
    "多组胆码取交集";
constexpr const char* kAny5BankerCounts =
    "点绿本组胆码开出的个数（可多选）：每注含有的本组胆码个数必须是其中之一，"
    "选0表示一个都不能有；不能大于本组选的胆码个数";

constexpr const char* kFront3Bankers =
    "点绿本组胆码：每注前三位含有的本组胆码个数必须是右边点绿的个数之一（不选个数时至少1个）；"
    "多组胆码取交集";
constexpr const char* kFront3BankerCounts =
    "点绿本组胆码开出的个数（可多选）：每注前三位含有的本组胆码个数必须是其中之一，"
    "选0表示一个都不能有；不能大于本组选的胆码个数";

const std::vector<Tooltip> kAny5Tooltips = {
    {"T_main_shazhixuan",
     "每行写一组号码（两位数，空格隔开，可粘贴）：这组号码里任意5个组成的注全部杀掉，"
     "一行5个号就杀这一注，可用来杀历史号码；框里还有提示文字时不起作用，双击清空"},
    {"C_ding_sha_fushi", "点黄至少5个号再按【添加】，写成一行：这些号码里任意5个组成的注全部杀掉"},
    {"C_ding_sha_fushi_kg", kPadCommands},
    {"C_sha2ma", "点黄的两码组合：含有这两个号码的注全部杀掉"},
    {"C_chu2ma", "点绿的两码组合：只保留含有其中至少一组（两个号码都在）的注，其余全部杀掉"},
    {"T_main_sha_3ma",
     "每行3个号码（两位数，空格隔开，可粘贴）：同时含有这3个号码的注全部杀掉；"
     "框里还有提示文字时不起作用，双击清空"},
    {"C_main_sha_3ma", "点黄3个号再按【添加】，写成一行：同时含有这3个号码的注全部杀掉"},
    {"T_main_bichu_3ma",
     "每行3个号码（两位数，空格隔开，可粘贴）：只保留同时含有其中某一行3个号码的注，"
     "其余全部杀掉；框里还有提示文字时不起作用，双击清空"},
    {"C_main_chu_3ma", "点绿3个号再按【添加】，写成一行：只保留同时含有某一行3个号码的注"},
    {"T_main_sha4ma",
     "每行4~11个号码（两位数，空格隔开，可粘贴）：含有这一行里任意4个号码的注全部杀掉；"
     "框里还有提示文字时不起作用，双击清空"},
    {"C_ding_sha_4ma", "点黄4~11个号再按【添加】，写成一行：含有其中任意4个号码的注全部杀掉"},
    {"C_ding_sha_4ma_kg", kPadCommands},
    {"T_ding_shadingwei",
     "每行5个位置（号码从小到大排），每位写号码或*，用一个空格隔开：每一位都对上的注全部杀掉，"
     "如 * * * 08 * 杀第4个号码是08的注；双击清空"},
    {"C_danma_chu", kAny5Bankers},
    {"C_danma_chu2", kAny5Bankers},
    {"C_danma_chu3", kAny5Bankers},
    {"C_danma_chu4", kAny5Bankers},
    {"C_danma_chu5", kAny5Bankers},
    {"C_danma_chu_geshu", kAny5BankerCounts},
    {"C_danma_chu_geshu2", kAny5BankerCounts},
    {"C_danma_chu_geshu3", kAny5BankerCounts},
    {"C_danma_chu_geshu4", kAny5BankerCounts},
    {"C_danma_chu_geshu5", kAny5BankerCounts},
    {"C_tsm_sha", "点黄的号码：含有其中任何一个号码的注全部杀掉"},
    {"Check_sha_dd", "打勾后只保留下面大底框里写出的注，其余全部杀掉"},
    {"T_sha_dadi",
     "大底：每行一注，号码从小到大、两位数、用一个空格隔开（如 01 02 05 08 11），可粘贴；"
     "勾上【大底号码】才起作用，双击清空"},
    {"C_zuobian_sha_heiwei",
     "点黄的尾数：5个号码之和的个位数是它的注全部杀掉，如点3杀和值23、33、43"},
    {"C_sha_hezhi", "点黄的和值：5个号码之和等于它的注全部杀掉"},
    {"C_kuadu_sha", "点黄的跨度：最大号码减最小号码等于它的注全部杀掉"},
    {"C_min", "点绿的最小号码（可多选）：只保留最小号码是其中之一的注"},
    {"C_max", "点绿的最大号码（可多选）：只保留最大号码是其中之一的注"},
    {"C_jiange",
     "点黄2~5个号：从每注最小的号码起，相邻号码之差依次和点黄号码的相邻之差相同的注全部杀掉"
     "（只比间距，不比号码）"},
    {"Op_dahao_fanwei", "大号的范围：大7~11 或 大6~11，【大号个数】按它数大号"},
    {"C_dahao_geshu", "点绿的个数（可多选）：只保留大号个数是其中之一的注"},
    {"C_jishu_geshu", "点绿的个数（可多选）：只保留奇号（01 03 05 07 09 11）个数是其中之一的注"},
    {"C_zhihe_geshu",
     "点绿的个数（可多选）：只保留质号（01 02 03 05 07 11，01算质号）个数是其中之一的注"},
    {"C_sha_xingtai_01",
     "点黄的连号形态：不连杀没有任何相连号码的注，其余杀含有这种连号的注；"
     "11 01算相连，杀小连号也杀大连号"},
    {"C_sha_jiou",
     "打开【杀奇偶排列】窗口：打勾的奇偶排列（号码从小到大）的注全部杀掉，关掉窗口后照样起作"
     "用"},
    {"L_shahao_jiqiao",
     "打开杀号窗口：输入最近5期开奖号，把最冷的三个号设为胆码1，并杀掉它们的任意两码组合"},
    {"C_jiaoji", kIntersection},
    {"Li_out", kResultList},
    {"T_dd_by", "缩水结果的文字；【复制号码】复制的是缩水时的结果，这里的改动不会被复制"},
    {"Check_out_douhao", "打勾后，下次缩水的结果号码之间用逗号隔开，如 01,02,03,04,05"},
    {"C_guolv_ks", "按现在的全部条件缩水：从462注里杀掉不符合条件的注，列出剩下的（回车或F5）"},
    {"C_copy", "把上次缩水的结果复制到剪贴板，可以直接粘贴到投注网站（Ctrl+Shift+C）"},
    {"C_all_cls",
     "清空所有缩水条件，各输入框清空或恢复提示文字；大号范围、逗号选项和上次的结果不变"},
    {"C_fangan_baocun", kSaveScheme},
    {"C_fangan_zairu", kLoadScheme},
    {"C_zoushi",
     "打开走势图：所选彩种的开奖号码、遗漏和各个数条件的走势；点表头的个数即在这里设条件"},
    {"C_chonghao", "点绿的个数（可多选）：只保留一注里上期也开出的号码（重号）个数是其中之一的注"},
    {"C_linhao",
     "点绿的个数（可多选）：只保留一注里和上期号码差 "
     "1、又不是重号的号码（邻号）个数是其中之一的注"},
    {"C_guhao",
     "点绿的个数（可多选）：只保留一注里既不是重号也不是邻号的号码（孤号）个数是其中之一的注"},
    {"C_rehao", "点绿的个数（可多选）：只保留一注里热号（近 W 期开出至少 H 次）个数是其中之一的注"},
    {"C_wenhao", "点绿的个数（可多选）：只保留一注里温号（既不热也不冷）个数是其中之一的注"},
    {"C_lenghao",
     "点绿的个数（可多选）：只保留一注里冷号（近 W 期开出至多 C 次）个数是其中之一的注"},
    {"N_re_qishu", "热温冷看最近几期开奖号（W，5~100），下次缩水时生效"},
    {"N_re_re", "开出至少这么多次的号码是热号（H）"},
    {"N_re_leng", "开出至多这么多次的号码是冷号（C，小于 H）"},
    {"C_shuoming", "重号、邻号、孤号、热温冷的说明"},
    {"C_aczhi", "点绿的AC值（可多选）：5个号码两两之差有几种不同的值再减4，只保留是其中之一的注"},
    {"C_lu0", "点绿的个数（可多选）：只保留0路号码（03 06 09）个数是其中之一的注"},
    {"C_lu1", "点绿的个数（可多选）：只保留1路号码（01 04 07 10）个数是其中之一的注"},
    {"C_lu2", "点绿的个数（可多选）：只保留2路号码（02 05 08 11）个数是其中之一的注"},
};

const std::vector<Tooltip> kFront3Tooltips = {
    {"T_main_shazhixuan",
     "每行一注直选（第一位 第二位 第三位，如 03 02 01，可粘贴）：按位置完全相同的注杀掉；"
     "每行要正好6个数字，其他行不起作用；双击清空"},
    {"C_laji_sha", "每一位点黄这一位可能开出的号码，三位都选了再按【添加】，写成一行复式"},
    {"C_laji_add", "把三位点黄的号码写成一行复式，加到下面的框里；有一位没选时不添加"},
    {"T_main_laji_fushi",
     "每行一个复式：第一位号码*第二位号码*第三位号码（如 01 02 *05 *07 08 09）："
     "三位都落在复式里的注全部杀掉；双击清空"},
    {"C_sha2ma", "点黄的两码组合：前三位同时含有这两个号码（不论位置）的注全部杀掉"},
    {"C_bichu2ma",
     "点绿的两码组合：只保留前三位含有其中至少一组（两个号码都在）的注，其余全部杀掉"},
    {"Check_sha_012", "打勾的012路排列（依次是第一、二、三位号码的路数）：这种排列的注全部杀掉"},
    {"C_012", "全：27种012路排列都打勾；清：都取消"},
    {"C_kuadu_sha", "点黄的跨度：三个号码里最大减最小等于它的注全部杀掉"},
    {"C_danma_chu", kFront3Bankers},
    {"C_danma_chu2", kFront3Bankers},
    {"C_danma_chu3", kFront3Bankers},
    {"C_danma_chu_geshu", kFront3BankerCounts},
    {"C_danma_chu_geshu2", kFront3BankerCounts},
    {"C_danma_chu_geshu3", kFront3BankerCounts},
    {"C_tsm_sha", "点黄的号码：前三位里含有其中任何一个号码的注全部杀掉"},
    {"C_dingwei_sha",
     "点黄的号码：在这一行的位置（第一位、第二位或第三位）开出这个号码的注全部杀掉"},
    {"C_hezhi", "点黄的和值：前三位号码之和等于它的注全部杀掉"},
    {"Op_dahao_fanwei", "大号的范围：大7~11 或 大6~11，【大号个数】和杀形态的大小按它算"},
    {"C_jishu_geshu",
     "点绿的个数（可多选）：只保留前三位里奇号（01 03 05 07 09 11）个数是其中之一的注"},
    {"C_dahao_geshu", "点绿的个数（可多选）：只保留前三位里大号个数是其中之一的注"},
    {"C_sha_xingtai_01",
     "点黄的形态全部杀掉：不连、2连（也杀3连）、3连只看号码，11 01算连码；"
     "上山形、下山形、凸形、凹形看第一、二、三位的大小"},
    {"Check_sha_daxiao", "打勾的大小排列（依次是第一、二、三位）：这种排列的注全部杀掉"},
    {"Check_sha_jiou", "打勾的奇偶排列（依次是第一、二、三位）：这种排列的注全部杀掉"},
    {"Check_sha_zhihe", "打勾的质合排列（依次是第一、二、三位，01算质号）：这种排列的注全部杀掉"},
    {"C_qiansan_jiaoji", kIntersection},
    {"Li_out", kResultList},
    {"Check_out_douhao", "打勾后，下次缩水的结果号码之间用逗号隔开，如 01,02,03"},
    {"C_guolv_ks", "按现在的全部条件缩水：从990注直选里杀掉不符合条件的注，列出剩下的（回车或F5）"},
    {"C_guolv_zhuan_zuxuan",
     "先按全部条件缩水，再把剩下的直选转为组选：号码从小到大，同一组只列一次"},
    {"C_copy", "把上次的结果（直选或组选）复制到剪贴板，可以直接粘贴到投注网站（Ctrl+Shift+C）"},
    {"C_all_cls", "清空所有缩水条件，直选框恢复提示文字；大号范围、逗号选项和上次的结果不变"},
    {"C_fangan_baocun", kSaveScheme},
    {"C_fangan_zairu", kLoadScheme},
    {"C_zoushi",
     "打开走势图：所选彩种的开奖号码、遗漏和各个数条件的走势；点表头的个数即在这里设条件"},
    {"C_chonghao",
     "点绿的个数（可多选）：只保留前三位里上期也开出的号码（重号）个数是其中之一的注"},
    {"C_linhao",
     "点绿的个数（可多选）：只保留前三位里和上期号码差 "
     "1、又不是重号的号码（邻号）个数是其中之一的注"},
    {"C_guhao",
     "点绿的个数（可多选）：只保留前三位里既不是重号也不是邻号的号码（孤号）个数是其中之一的注"},
    {"C_rehao",
     "点绿的个数（可多选）：只保留前三位里热号（近 W 期开出至少 H 次）个数是其中之一的注"},
    {"C_wenhao", "点绿的个数（可多选）：只保留前三位里温号（既不热也不冷）个数是其中之一的注"},
    {"C_lenghao",
     "点绿的个数（可多选）：只保留前三位里冷号（近 W 期开出至多 C 次）个数是其中之一的注"},
    {"N_re_qishu", "热温冷看最近几期开奖号（W，5~100），下次缩水时生效"},
    {"N_re_re", "开出至少这么多次的号码是热号（H）"},
    {"N_re_leng", "开出至多这么多次的号码是冷号（C，小于 H）"},
    {"C_shuoming", "重号、邻号、孤号、热温冷的说明"},
};

}  // namespace

const std::vector<Tooltip>& any5Tooltips() {
    return kAny5Tooltips;
}

const std::vector<Tooltip>& front3Tooltips() {
    return kFront3Tooltips;
}

void applyTooltips(QWidget& window, const std::vector<Tooltip>& tips) {
    for (const Tooltip& tip : tips) {
        const QString text = QString::fromUtf8(tip.text);
        for (QWidget* widget : window.findChildren<QWidget*>(QLatin1String(tip.objectName))) {
            if (widget->window() == &window) widget->setToolTip(text);
        }
    }
}

}  // namespace gui
