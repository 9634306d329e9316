#pragma once

namespace any5 {

class MainForm;

// Puts every any-5 condition into the form's pipeline, in run order, each
// named by its panel's caption as the condition report shows it.
void installConditions(MainForm& form);

}  // namespace any5
