// Output mirror functions: every byte of the job the filter writes on standard
// output goes through these, so that the job copy, when it is open, receives
// exactly the same bytes first. Failure messages go to standard error only
// (filter/ErrorMessage.h) and stay out of the copy.
#pragma once

#include <cstddef>
#include <cstdio>

// The job copy, or null when no copy is being made.
extern FILE* gJobFilefp;

// Write a zero-terminated text; returns the stream write's result.
int Utlfputs(const char* text, FILE* stream);
// Write one character; returns the stream write's result.
int Utlfputc(int c, FILE* stream);
// Write count elements of the given size; returns the stream write's result.
size_t Utlfwrite(const void* data, size_t size, size_t count, FILE* stream);

// Where the PJL writers send the job: standard output unless a test redirects it.
FILE* PjlOutputStream();
void SetPjlOutputStream(FILE* stream);

// Write failures on the PJL output. A job the printer did not get whole must
// not be reported as printed, so the first failure is kept until the end of
// the run: its errno value, 0 while every write succeeded.
int PjlOutputError();
// Records a failure of a write that bypassed the stream (a copy in the kernel).
void NotePjlOutputError(int error);
// Flushes the PJL output and returns PjlOutputError().
int FlushPjlOutput();
// Forgets the buffered bytes not yet written (a cancelled job sends nothing
// more) and any recorded failure.
void DiscardPjlOutput();
