// Found before Qt's own header of this name by the logic libraries only.
#error "QtWidgets is not available here: logic files (outside a ui/ folder) use no widgets; move the file into the folder's ui/ part"
