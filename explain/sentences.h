#pragma once

// The sentence of each step: an English text with "%1", "%2"... for the numbers it names, looked
// up in the user's language through the catalogs (context "explain"), and filled in by a writer
// in its own notation.
#include <string>
#include <string_view>

#include "steps.h"

namespace ondavi::explain {

// The catalogs' lookup: the text in the language in force, or the English as it stands.
using Translate = std::string_view (*)(std::string_view context, std::string_view english);
std::string_view English(std::string_view context, std::string_view english);

// The step's sentence in the language of `translate`, with its placeholders.
std::string_view Sentence(const Step& step, Translate translate);

// The sentence with "%1"... replaced by the step's numbers, each written by `write`; in a list
// step (multiples, factors) the last placeholder stands for the rest of the numbers, joined by
// ", ".
std::string Filled(std::string_view sentence, const Step& step,
                   std::string (*write)(const Expression&));

}  // namespace ondavi::explain
