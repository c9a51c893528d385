#include "isa/mnemonics.h"

const FormSet& mnemonicForms(int index) {
    return kFormTable.sets[index];
}
