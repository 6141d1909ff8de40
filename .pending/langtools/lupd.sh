#!/bin/sh
# lupd.sh <ts files...>: refresh from the sources of the current dir
/usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -tr-function-alias tr+=Tr $(for d in app wizard wizard/make wizard/take print display quiz resources; do ls $d/*.cpp $d/*.h; done) -ts "$@" 2>&1 | grep -v "lacks Q_OBJECT"
