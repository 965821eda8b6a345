# Sourced by sanitize.sh and fuzz.sh: configures build-sanitize (clang,
# AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer programs) and the
# sanitizers' options: any report stops the program. A third-party leak
# would be suppressed in fuzz/lsan.supp, with its reason.
scripts/install-deps.sh --fuzz >/dev/null
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DQVL_FUZZ=ON -DQVL_WERROR=OFF >/dev/null
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
