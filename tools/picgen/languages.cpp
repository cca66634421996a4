#include "languages.h"

namespace picgen {

const std::vector<Language>& Languages() {
    static const std::vector<Language> languages = {
        {"zh-TW", "0x04, 0x01", true, "上一頁", "下一頁",
         {"鎖定桌面", "我的文件", "文書處理", "試算表", "小算盤", "電子郵件", "Internet"}, "Lumora 鍵",
         "下午 12:00"},
        {"en-US", "0x09, 0x01", false, "Back", "Forward",
         {"Lock Desktop", "My Documents", "Word Processor", "Spreadsheet", "Calculator", "E-mail", "Internet"},
         "Lumora Keys", "12:00 PM"},
        {"ja-JP", "0x11, 0x01", true, "戻る", "進む",
         {"デスクトップのロック", "マイ ドキュメント", "ワープロ", "表計算", "電卓", "電子メール", "インターネット"},
         "Lumora キー", "12:00"},
        {"zh-CN", "0x04, 0x02", true, "后退", "前进",
         {"锁定桌面", "我的文档", "文字处理", "电子表格", "计算器", "电子邮件", "Internet"}, "Lumora 键", "12:00"},
    };
    return languages;
}

const Language& Neutral() { return Languages()[1]; }

}  // namespace picgen
