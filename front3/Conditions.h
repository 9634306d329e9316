#pragma once

namespace front3 {

class MainForm;

// Puts every front-3 condition into the form's pipeline, in run order, each
// named by its panel's caption as the condition report shows it.
void installConditions(MainForm& form);

}  // namespace front3
