// The loadable Quillpane plug-in: everything, GetPlugIn included, comes from the QuillpaneCore
// library linked in whole.
