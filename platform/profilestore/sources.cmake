# SPDX-License-Identifier: MIT
# The profile store's sources, relative to this folder; the shared library and the fuzz
# targets both build from this list.
set(VANTOR_PROFILE_SOURCES
    jsonnode.cpp jsonnode.h
    jsonreader.cpp jsonreader.h
    latestjobthread.cpp latestjobthread.h
    profiledata.cpp profiledata.h
    profilefile.cpp profilefile.h
    profilestore.cpp profilestore.h
    profilestorecfg.cpp
    profilestoreprivate.h
    safefile.cpp safefile.h
    storelock.cpp storelock.h
    storeopening.cpp storeopening.h
    storepaths.cpp storepaths.h
    storesaver.cpp storesaver.h
    storetext.h
)
