// The order of many found entries by one of their values, computed over small keys so that a
// million entries sort in about a second: numbers ascending or descending with entries lacking
// the value last; texts by letters regardless of case and accents, then as written. Equal
// values keep the entries' order.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace OrdineVoci {

// The places 0..quante-1 in the order of their number.
std::vector<quint32> PerNumero(size_t quante, const std::function<std::optional<double>(size_t)>& numero,
                               bool decrescente);
// The places 0..quante-1 in the order of their text, given in UTF-8 (written over the string).
using TestoUtf8 = std::function<void(size_t, std::string&)>;
std::vector<quint32> PerTesto(size_t quante, const TestoUtf8& testo, bool decrescente);

} // namespace OrdineVoci
