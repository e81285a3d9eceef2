#pragma once
// The dialog that enters the design check's inputs.

class QWidget;

namespace vendrix {

class ProjectDocument;

// Shows the design check inputs of the document's project; OK commits them.
void editDesignCheckInputs(QWidget *parent, ProjectDocument &document);

} // namespace vendrix
