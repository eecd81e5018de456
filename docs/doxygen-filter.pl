#!/usr/bin/perl
# Input filter for the API reference: the public headers are commented with
# plain // comments, which this turns into documentation comments as the
# reference is built (the headers themselves stay as they are).
#   - the comment block that opens a header documents the file;
#   - "// ---- Title ----" section rules are dropped (they group, not document);
#   - a comment on a line of its own documents the declaration that follows;
#   - a comment after code on the same line documents that line's member;
#   - an indented block inside a comment (a table or code laid out in columns,
#     after an empty comment line or a line ending with ':') is kept as it is,
#     in a plain-text block (warnings about lines below such a block are off
#     by its two fence lines).
use strict;
use warnings;

# Comment text is plain prose: characters that would start a markup command
# are escaped, except inside `code spans` and "quoted texts", which the
# reference shows as they stand.
sub prose {
    my ($text) = @_;
    my @parts = split /(`[^`]*`|"[^"]*")/, $text;
    for my $part (@parts) {
        next if $part =~ /^[`"]/;
        $part =~ s/([\\@<>%&#])/\\$1/g;
    }
    return join "", @parts;
}

# The text of one whole-line comment, as documentation: verbatim blocks open
# and close around indented runs.
my ($verbatim, $previous) = (0, '');
sub comment_text {
    my ($text) = @_;
    my $out = '';
    my $indented = $text =~ /^   /;
    if ($verbatim && !$indented) {
        $out .= "/// ~~~\n";
        $verbatim = 0;
    }
    if (!$verbatim && $indented && ($previous =~ /^\s*$/ || $previous =~ /:\s*$/)) {
        $out .= "/// ~~~{.unparsed}\n";
        $verbatim = 1;
    }
    $previous = $text;
    # In a plain-text block only a backslash before < or > is taken as an
    # escape; doubling it shows the backslash.
    (my $plain = $text) =~ s/\\([<>])/\\\\$1/g;
    return $out . "///" . ($verbatim ? $plain : prose($text)) . "\n";
}

sub end_comment {
    my $out = $verbatim ? "/// ~~~\n" : '';
    ($verbatim, $previous) = (0, '');
    return $out;
}

my $in_header_comment = 1;
while (my $line = <>) {
    if ($in_header_comment) {
        if ($line =~ m{^\s*//(.*)$}) {
            print "/// \@file\n" if $. == 1;
            print comment_text($1);
            next;
        }
        print end_comment();
        $in_header_comment = 0;
    }
    if ($line =~ m{^\s*// -{3,}.*$}) {
        print end_comment(), "\n";
        next;
    }
    if ($line =~ m{^(\s*)//(?!/)(.*)$}) {
        print $1, comment_text($2);
        next;
    }
    print end_comment();
    # A trailing comment: find the first // outside a string or character
    # literal.
    my ($code, $quote, $escaped) = ('', '', 0);
    my @chars = split //, $line;
    my $i;
    for ($i = 0; $i < @chars; ++$i) {
        my $c = $chars[$i];
        if ($quote) {
            if ($escaped) { $escaped = 0 }
            elsif ($c eq '\\') { $escaped = 1 }
            elsif ($c eq $quote) { $quote = '' }
        } elsif ($c eq '"' || $c eq "'") {
            $quote = $c;
        } elsif ($c eq '/' && $i + 1 < @chars && $chars[$i + 1] eq '/') {
            last;
        }
    }
    if ($i < @chars && $code eq '' && substr($line, 0, $i) =~ /\S/) {
        my $before = substr($line, 0, $i);
        my $after = substr($line, $i + 2);
        $after =~ s{^/}{};
        print "$before///<" . prose($after);
        next;
    }
    print $line;
}
