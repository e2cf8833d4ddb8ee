// The loadable Annotations plug-in: everything, GetPlugIn included, comes from the AnnotationsCore
// library linked in whole.
