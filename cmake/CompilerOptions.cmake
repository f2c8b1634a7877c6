# Warnings everywhere; -Werror in debug builds so new warnings never pile up.
option(PRT_SANITIZE_ADDRESS "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(PRT_SANITIZE_THREAD "Build with ThreadSanitizer" OFF)

if(PRT_SANITIZE_ADDRESS AND PRT_SANITIZE_THREAD)
    message(FATAL_ERROR "AddressSanitizer and ThreadSanitizer cannot be combined")
endif()

add_compile_options(-Wall -Wextra $<$<CONFIG:Debug>:-Werror>)

if(PRT_SANITIZE_ADDRESS)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
if(PRT_SANITIZE_THREAD)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()
