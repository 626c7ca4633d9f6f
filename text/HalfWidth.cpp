#include "text/HalfWidth.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "text/Cp932.h"

namespace {

struct HalfWidthEntry {
  std::uint16_t code;  // the double-byte character, lead byte high
  char half[3];        // its half-width form, one or two bytes
};

// Sorted by code. Besides the plain mappings: the separate voicing marks become 0xDE and
// 0xDF, curly quotes become ' and ", the small kana without a half-width form take their
// full-size form, and the full-width ' and " appear under both of their codes. Characters
// without a sensible half-width form (squared words, iteration marks) are not mapped.
constexpr HalfWidthEntry kTable[] = {
    {0x8140, " "},         // 　
    {0x8141, "\xA4"},      // 、
    {0x8142, "\xA1"},      // 。
    {0x8143, ","},         // ，
    {0x8144, "."},         // ．
    {0x8145, "\xA5"},      // ・
    {0x8146, ":"},         // ：
    {0x8147, ";"},         // ；
    {0x8148, "?"},         // ？
    {0x8149, "!"},         // ！
    {0x814A, "\xDE"},      // ゛
    {0x814B, "\xDF"},      // ゜
    {0x814D, "`"},         // ｀
    {0x814F, "^"},         // ＾
    {0x8151, "_"},         // ＿
    {0x815B, "\xB0"},      // ー
    {0x815E, "/"},         // ／
    {0x815F, "\\"},        // ＼
    {0x8160, "~"},         // ～
    {0x8162, "|"},         // ｜
    {0x8165, "'"},         // ‘
    {0x8166, "'"},         // ’
    {0x8167, "\""},        // “
    {0x8168, "\""},        // ”
    {0x8169, "("},         // （
    {0x816A, ")"},         // ）
    {0x816D, "["},         // ［
    {0x816E, "]"},         // ］
    {0x816F, "{"},         // ｛
    {0x8170, "}"},         // ｝
    {0x8175, "\xA2"},      // 「
    {0x8176, "\xA3"},      // 」
    {0x817B, "+"},         // ＋
    {0x817C, "-"},         // －
    {0x8181, "="},         // ＝
    {0x8183, "<"},         // ＜
    {0x8184, ">"},         // ＞
    {0x8190, "$"},         // ＄
    {0x8193, "%"},         // ％
    {0x8194, "#"},         // ＃
    {0x8195, "&"},         // ＆
    {0x8196, "*"},         // ＊
    {0x8197, "@"},         // ＠
    {0x824F, "0"},         // ０
    {0x8250, "1"},         // １
    {0x8251, "2"},         // ２
    {0x8252, "3"},         // ３
    {0x8253, "4"},         // ４
    {0x8254, "5"},         // ５
    {0x8255, "6"},         // ６
    {0x8256, "7"},         // ７
    {0x8257, "8"},         // ８
    {0x8258, "9"},         // ９
    {0x8260, "A"},         // Ａ
    {0x8261, "B"},         // Ｂ
    {0x8262, "C"},         // Ｃ
    {0x8263, "D"},         // Ｄ
    {0x8264, "E"},         // Ｅ
    {0x8265, "F"},         // Ｆ
    {0x8266, "G"},         // Ｇ
    {0x8267, "H"},         // Ｈ
    {0x8268, "I"},         // Ｉ
    {0x8269, "J"},         // Ｊ
    {0x826A, "K"},         // Ｋ
    {0x826B, "L"},         // Ｌ
    {0x826C, "M"},         // Ｍ
    {0x826D, "N"},         // Ｎ
    {0x826E, "O"},         // Ｏ
    {0x826F, "P"},         // Ｐ
    {0x8270, "Q"},         // Ｑ
    {0x8271, "R"},         // Ｒ
    {0x8272, "S"},         // Ｓ
    {0x8273, "T"},         // Ｔ
    {0x8274, "U"},         // Ｕ
    {0x8275, "V"},         // Ｖ
    {0x8276, "W"},         // Ｗ
    {0x8277, "X"},         // Ｘ
    {0x8278, "Y"},         // Ｙ
    {0x8279, "Z"},         // Ｚ
    {0x8281, "a"},         // ａ
    {0x8282, "b"},         // ｂ
    {0x8283, "c"},         // ｃ
    {0x8284, "d"},         // ｄ
    {0x8285, "e"},         // ｅ
    {0x8286, "f"},         // ｆ
    {0x8287, "g"},         // ｇ
    {0x8288, "h"},         // ｈ
    {0x8289, "i"},         // ｉ
    {0x828A, "j"},         // ｊ
    {0x828B, "k"},         // ｋ
    {0x828C, "l"},         // ｌ
    {0x828D, "m"},         // ｍ
    {0x828E, "n"},         // ｎ
    {0x828F, "o"},         // ｏ
    {0x8290, "p"},         // ｐ
    {0x8291, "q"},         // ｑ
    {0x8292, "r"},         // ｒ
    {0x8293, "s"},         // ｓ
    {0x8294, "t"},         // ｔ
    {0x8295, "u"},         // ｕ
    {0x8296, "v"},         // ｖ
    {0x8297, "w"},         // ｗ
    {0x8298, "x"},         // ｘ
    {0x8299, "y"},         // ｙ
    {0x829A, "z"},         // ｚ
    {0x829F, "\xA7"},      // ぁ
    {0x82A0, "\xB1"},      // あ
    {0x82A1, "\xA8"},      // ぃ
    {0x82A2, "\xB2"},      // い
    {0x82A3, "\xA9"},      // ぅ
    {0x82A4, "\xB3"},      // う
    {0x82A5, "\xAA"},      // ぇ
    {0x82A6, "\xB4"},      // え
    {0x82A7, "\xAB"},      // ぉ
    {0x82A8, "\xB5"},      // お
    {0x82A9, "\xB6"},      // か
    {0x82AA, "\xB6\xDE"},  // が
    {0x82AB, "\xB7"},      // き
    {0x82AC, "\xB7\xDE"},  // ぎ
    {0x82AD, "\xB8"},      // く
    {0x82AE, "\xB8\xDE"},  // ぐ
    {0x82AF, "\xB9"},      // け
    {0x82B0, "\xB9\xDE"},  // げ
    {0x82B1, "\xBA"},      // こ
    {0x82B2, "\xBA\xDE"},  // ご
    {0x82B3, "\xBB"},      // さ
    {0x82B4, "\xBB\xDE"},  // ざ
    {0x82B5, "\xBC"},      // し
    {0x82B6, "\xBC\xDE"},  // じ
    {0x82B7, "\xBD"},      // す
    {0x82B8, "\xBD\xDE"},  // ず
    {0x82B9, "\xBE"},      // せ
    {0x82BA, "\xBE\xDE"},  // ぜ
    {0x82BB, "\xBF"},      // そ
    {0x82BC, "\xBF\xDE"},  // ぞ
    {0x82BD, "\xC0"},      // た
    {0x82BE, "\xC0\xDE"},  // だ
    {0x82BF, "\xC1"},      // ち
    {0x82C0, "\xC1\xDE"},  // ぢ
    {0x82C1, "\xAF"},      // っ
    {0x82C2, "\xC2"},      // つ
    {0x82C3, "\xC2\xDE"},  // づ
    {0x82C4, "\xC3"},      // て
    {0x82C5, "\xC3\xDE"},  // で
    {0x82C6, "\xC4"},      // と
    {0x82C7, "\xC4\xDE"},  // ど
    {0x82C8, "\xC5"},      // な
    {0x82C9, "\xC6"},      // に
    {0x82CA, "\xC7"},      // ぬ
    {0x82CB, "\xC8"},      // ね
    {0x82CC, "\xC9"},      // の
    {0x82CD, "\xCA"},      // は
    {0x82CE, "\xCA\xDE"},  // ば
    {0x82CF, "\xCA\xDF"},  // ぱ
    {0x82D0, "\xCB"},      // ひ
    {0x82D1, "\xCB\xDE"},  // び
    {0x82D2, "\xCB\xDF"},  // ぴ
    {0x82D3, "\xCC"},      // ふ
    {0x82D4, "\xCC\xDE"},  // ぶ
    {0x82D5, "\xCC\xDF"},  // ぷ
    {0x82D6, "\xCD"},      // へ
    {0x82D7, "\xCD\xDE"},  // べ
    {0x82D8, "\xCD\xDF"},  // ぺ
    {0x82D9, "\xCE"},      // ほ
    {0x82DA, "\xCE\xDE"},  // ぼ
    {0x82DB, "\xCE\xDF"},  // ぽ
    {0x82DC, "\xCF"},      // ま
    {0x82DD, "\xD0"},      // み
    {0x82DE, "\xD1"},      // む
    {0x82DF, "\xD2"},      // め
    {0x82E0, "\xD3"},      // も
    {0x82E1, "\xAC"},      // ゃ
    {0x82E2, "\xD4"},      // や
    {0x82E3, "\xAD"},      // ゅ
    {0x82E4, "\xD5"},      // ゆ
    {0x82E5, "\xAE"},      // ょ
    {0x82E6, "\xD6"},      // よ
    {0x82E7, "\xD7"},      // ら
    {0x82E8, "\xD8"},      // り
    {0x82E9, "\xD9"},      // る
    {0x82EA, "\xDA"},      // れ
    {0x82EB, "\xDB"},      // ろ
    {0x82EC, "\xDC"},      // ゎ
    {0x82ED, "\xDC"},      // わ
    {0x82EE, "\xB2"},      // ゐ
    {0x82EF, "\xB4"},      // ゑ
    {0x82F0, "\xA6"},      // を
    {0x82F1, "\xDD"},      // ん
    {0x8340, "\xA7"},      // ァ
    {0x8341, "\xB1"},      // ア
    {0x8342, "\xA8"},      // ィ
    {0x8343, "\xB2"},      // イ
    {0x8344, "\xA9"},      // ゥ
    {0x8345, "\xB3"},      // ウ
    {0x8346, "\xAA"},      // ェ
    {0x8347, "\xB4"},      // エ
    {0x8348, "\xAB"},      // ォ
    {0x8349, "\xB5"},      // オ
    {0x834A, "\xB6"},      // カ
    {0x834B, "\xB6\xDE"},  // ガ
    {0x834C, "\xB7"},      // キ
    {0x834D, "\xB7\xDE"},  // ギ
    {0x834E, "\xB8"},      // ク
    {0x834F, "\xB8\xDE"},  // グ
    {0x8350, "\xB9"},      // ケ
    {0x8351, "\xB9\xDE"},  // ゲ
    {0x8352, "\xBA"},      // コ
    {0x8353, "\xBA\xDE"},  // ゴ
    {0x8354, "\xBB"},      // サ
    {0x8355, "\xBB\xDE"},  // ザ
    {0x8356, "\xBC"},      // シ
    {0x8357, "\xBC\xDE"},  // ジ
    {0x8358, "\xBD"},      // ス
    {0x8359, "\xBD\xDE"},  // ズ
    {0x835A, "\xBE"},      // セ
    {0x835B, "\xBE\xDE"},  // ゼ
    {0x835C, "\xBF"},      // ソ
    {0x835D, "\xBF\xDE"},  // ゾ
    {0x835E, "\xC0"},      // タ
    {0x835F, "\xC0\xDE"},  // ダ
    {0x8360, "\xC1"},      // チ
    {0x8361, "\xC1\xDE"},  // ヂ
    {0x8362, "\xAF"},      // ッ
    {0x8363, "\xC2"},      // ツ
    {0x8364, "\xC2\xDE"},  // ヅ
    {0x8365, "\xC3"},      // テ
    {0x8366, "\xC3\xDE"},  // デ
    {0x8367, "\xC4"},      // ト
    {0x8368, "\xC4\xDE"},  // ド
    {0x8369, "\xC5"},      // ナ
    {0x836A, "\xC6"},      // ニ
    {0x836B, "\xC7"},      // ヌ
    {0x836C, "\xC8"},      // ネ
    {0x836D, "\xC9"},      // ノ
    {0x836E, "\xCA"},      // ハ
    {0x836F, "\xCA\xDE"},  // バ
    {0x8370, "\xCA\xDF"},  // パ
    {0x8371, "\xCB"},      // ヒ
    {0x8372, "\xCB\xDE"},  // ビ
    {0x8373, "\xCB\xDF"},  // ピ
    {0x8374, "\xCC"},      // フ
    {0x8375, "\xCC\xDE"},  // ブ
    {0x8376, "\xCC\xDF"},  // プ
    {0x8377, "\xCD"},      // ヘ
    {0x8378, "\xCD\xDE"},  // ベ
    {0x8379, "\xCD\xDF"},  // ペ
    {0x837A, "\xCE"},      // ホ
    {0x837B, "\xCE\xDE"},  // ボ
    {0x837C, "\xCE\xDF"},  // ポ
    {0x837D, "\xCF"},      // マ
    {0x837E, "\xD0"},      // ミ
    {0x8380, "\xD1"},      // ム
    {0x8381, "\xD2"},      // メ
    {0x8382, "\xD3"},      // モ
    {0x8383, "\xAC"},      // ャ
    {0x8384, "\xD4"},      // ヤ
    {0x8385, "\xAD"},      // ュ
    {0x8386, "\xD5"},      // ユ
    {0x8387, "\xAE"},      // ョ
    {0x8388, "\xD6"},      // ヨ
    {0x8389, "\xD7"},      // ラ
    {0x838A, "\xD8"},      // リ
    {0x838B, "\xD9"},      // ル
    {0x838C, "\xDA"},      // レ
    {0x838D, "\xDB"},      // ロ
    {0x838E, "\xDC"},      // ヮ
    {0x838F, "\xDC"},      // ワ
    {0x8390, "\xB2"},      // ヰ
    {0x8391, "\xB4"},      // ヱ
    {0x8392, "\xA6"},      // ヲ
    {0x8393, "\xDD"},      // ン
    {0x8394, "\xB3\xDE"},  // ヴ
    {0x8395, "\xB6"},      // ヵ
    {0x8396, "\xB9"},      // ヶ
    {0xEEFB, "'"},         // ＇
    {0xEEFC, "\""},        // ＂
    {0xFA56, "'"},         // ＇
    {0xFA57, "\""},        // ＂
};

static_assert(std::is_sorted(std::begin(kTable), std::end(kTable),
                             [](const HalfWidthEntry& a, const HalfWidthEntry& b) { return a.code < b.code; }));

const HalfWidthEntry* Find(std::uint16_t code) {
  const auto* it = std::lower_bound(std::begin(kTable), std::end(kTable), code,
                                    [](const HalfWidthEntry& e, std::uint16_t c) { return e.code < c; });
  return it != std::end(kTable) && it->code == code ? it : nullptr;
}

std::uint16_t CodeOf(std::string_view character) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(character[0]) << 8 |
                                    static_cast<unsigned char>(character[1]));
}

}  // namespace

std::string ToHalfWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t length = CharacterLength(text, start);
    const std::string_view character = text.substr(start, length);
    const HalfWidthEntry* entry = CharacterClass(text, start) == ByteClass::Lead ? Find(CodeOf(character)) : nullptr;
    out.append(entry ? std::string_view(entry->half) : character);
    start += length;
  }
  return out;
}
