/* The reference beside kerfa-tool in scripts/bench-lean: md4c's own Markdown to HTML on one
 * file, as a plain C program would run it, so start-up, speed and memory compare with no C++
 * runtime in the way. Usage: md4c_html_peer FILE (the page goes to standard output). */

#include <md4c-html.h>
#include <md4c.h>
#include <stdio.h>
#include <stdlib.h>

static void write_out(const MD_CHAR* text, MD_SIZE size, void* userdata) {
    (void)userdata;
    fwrite(text, 1, size, stdout);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: md4c_html_peer FILE\n");
        return 2;
    }
    FILE* in = fopen(argv[1], "rb");
    if (in == NULL) {
        perror(argv[1]);
        return 1;
    }
    size_t size = 0;
    size_t capacity = 1 << 16;
    char* text = malloc(capacity);
    size_t got;
    while (text != NULL && (got = fread(text + size, 1, capacity - size, in)) > 0) {
        size += got;
        if (size == capacity) {
            capacity *= 2;
            text = realloc(text, capacity);
        }
    }
    fclose(in);
    if (text == NULL) {
        fprintf(stderr, "md4c_html_peer: out of memory\n");
        return 1;
    }
    const unsigned flags = MD_FLAG_TABLES | MD_FLAG_STRIKETHROUGH | MD_FLAG_TASKLISTS;
    const int failed = md_html(text, (MD_SIZE)size, write_out, NULL, flags, 0);
    free(text);
    if (failed != 0 || fflush(stdout) != 0) {
        fprintf(stderr, "md4c_html_peer: failed\n");
        return 1;
    }
    return 0;
}
