// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "prototype_state.h"

void LoadDefaults(PrototypeState& state) {
  state.access = u"public:";
  state.pureSuffix.clear();
  state.virtualPrefix.clear();
  state.constSuffix.clear();
  state.parameterList = u"void";
  state.functionName = u"toto";
  state.returnType = u"void";
  state.inlinePrefix.clear();
}

std::u16string ComposePrototype(const PrototypeState& state) {
  const std::u16string_view pieces[] = {
      state.access,
      kLineBreak,
      u"   ",
      state.inlinePrefix,
      state.virtualPrefix,
      state.returnType,
      u" ",
      state.functionName,
      u"(",
      state.parameterList,
      u") ",
      state.constSuffix,
      state.pureSuffix,
      u";",
  };
  std::size_t size = 0;
  for (const auto piece : pieces) size += piece.size();

  std::u16string text;
  text.reserve(size);
  for (const auto piece : pieces) text += piece;
  return text;
}

Colour AccessColor(std::u16string_view access) {
  if (access == u"private:") return kRed;
  if (access == u"protected:") return kOrange;
  return kGreen;
}
