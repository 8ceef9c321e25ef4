// The nine languages of the wizard and the choice of one from the system language.
#include "setup/core/logic/Languages.h"

namespace {

struct Language {
    const char* code;
    const char* name;
};

const Language kLanguages[kLanguageCount] = {
    {"chs", "Chinese (Simplified)"},
    {"cht", "Chinese (Traditional)"},
    {"deu", "Deutsch"},
    {"nld", "Dutch"},
    {"enu", "English"},
    {"FIN", "Finnish"},
    {"fra", "French"},
    {"ita", "Italian"},
    {"esp", "Spanish(Traditional Sort)"},
};

struct SystemLanguage {
    uint16_t id;
    int32_t index;
};

// No identifier leads to English: an English system starts in the first-run language.
const SystemLanguage kSystemLanguages[] = {
    {0x0404, 1}, {0x0407, 2}, {0x040A, 8}, {0x040B, 5}, {0x040C, 6}, {0x0410, 7}, {0x0413, 3},
    {0x0804, 0}, {0x0807, 2}, {0x080A, 8}, {0x080C, 6}, {0x0810, 7}, {0x0813, 3}, {0x0C04, 1},
    {0x0C07, 2}, {0x0C0A, 8}, {0x0C0C, 6}, {0x1004, 1}, {0x100C, 6},
};

} // namespace

const char* LanguageCode(int32_t index) {
    return index >= 0 && index < kLanguageCount ? kLanguages[index].code : nullptr;
}

const char* LanguageName(int32_t index) {
    return index >= 0 && index < kLanguageCount ? kLanguages[index].name : nullptr;
}

int32_t DefaultLanguageIndex(uint16_t languageId, int32_t current) {
    for (const SystemLanguage& language : kSystemLanguages)
        if (language.id == languageId)
            return language.index;
    return current;
}
