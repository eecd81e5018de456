#!/usr/bin/perl
# Keeps the guide true to the code it shows. For each page given:
#   - every ```cpp block must be, byte for byte, the example program named on
#     the text line just before it ("... `examples/NAME.cpp` ..."), so guide
#     code is always a program the test command builds and runs;
#   - every ```text block whose first line is "$ uiutil ARGS" must be what the
#     tool prints for those arguments (the remaining lines of the block).
# Usage: check-guide.pl TOOL PAGE.md...   Prints each mismatch; exits 1 if any.
use strict;
use warnings;

my $tool = shift @ARGV or die "usage: check-guide.pl TOOL PAGE.md...\n";
my $failures = 0;
my $checked = 0;

sub fail { print STDERR "$_[0]\n"; ++$failures; }

sub read_file {
    my ($path) = @_;
    open my $fh, '<', $path or return undef;
    local $/;
    my $text = <$fh>;
    close $fh;
    return $text;
}

# Splits a shell-like argument list in single quotes or bare words.
sub words {
    my ($line) = @_;
    my @out;
    while ($line =~ /\G\s*(?:'([^']*)'|(\S+))/g) {
        push @out, defined $1 ? $1 : $2;
    }
    return @out;
}

for my $page (@ARGV) {
    my @lines = split /\n/, read_file($page) // die "cannot read $page\n";
    my $last_text = '';
    for (my $i = 0; $i < @lines; ++$i) {
        my $line = $lines[$i];
        if ($line =~ /^```(\w*)\s*$/) {
            my $kind = $1;
            my $start = $i + 1;
            my @block;
            for (++$i; $i < @lines && $lines[$i] !~ /^```\s*$/; ++$i) {
                push @block, $lines[$i];
            }
            my $where = "$page:$start";
            if ($kind eq 'cpp') {
                my ($name) = $last_text =~ m{`examples/([\w.-]+\.cpp)`};
                if (!defined $name) {
                    fail("$where: C++ block without an `examples/NAME.cpp` line before it");
                    next;
                }
                my $program = read_file("examples/$name");
                if (!defined $program) {
                    fail("$where: examples/$name does not exist");
                } elsif ($program ne join("\n", @block) . "\n") {
                    fail("$where: block differs from examples/$name");
                }
                ++$checked;
            } elsif ($kind eq 'text' && @block && $block[0] =~ /^\$ uiutil (.*)$/) {
                my @args = words($1);
                open my $run, '-|', $tool, @args or die "cannot run $tool\n";
                local $/;
                my $output = <$run> // '';
                close $run;
                my $expected = join("\n", @block[1 .. $#block]) . "\n";
                if ($output ne $expected) {
                    fail("$where: `uiutil @args` prints:\n$output");
                }
                ++$checked;
            }
            next;
        }
        $last_text = $line if $line =~ /\S/;
    }
}
print "guide: $checked blocks checked, $failures mismatched\n";
exit($failures ? 1 : 0);
