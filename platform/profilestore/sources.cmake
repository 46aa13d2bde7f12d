# The profile store's sources, relative to this folder; the shared library and the fuzz
# targets both build from this list.
set(VANTOR_PROFILE_SOURCES
    jsonnode.cpp jsonnode.h
    latestjobthread.cpp latestjobthread.h
    profiledata.cpp profiledata.h
    profilefile.cpp profilefile.h
    profilestore.cpp profilestore.h
    safefile.cpp safefile.h
    storetext.h
)
